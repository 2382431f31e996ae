// A storage inside a form definition: "StoredData" read through the form
// reader, written only when there are files, and errors that name it.
#include "StreamBuilder.h"
#include "sampledata/SampleData.h"
#include "storage/StorageClasses.h"
#include "storage/acFileStorage.h"
#include "vcl/ClassInfo.h"
#include "vcl/FormBinary.h"
#include "vcl/FormLoader.h"
#include "vcl/FormSaver.h"

#include "TestForm.h"

#include <gtest/gtest.h>

namespace storagetest {
namespace {

Bytes Definition(std::vector<vcl::FormProperty> storageProperties) {
    vcl::FormObject root;
    root.className = "TTestForm";
    root.name = "Form1";
    vcl::FormObject storage;
    storage.className = "TacFileStorage";
    storage.name = "acFileStorage1";
    storage.properties = std::move(storageProperties);
    root.children.push_back(storage);
    vcl::ByteWriter out;
    EXPECT_FALSE(vcl::WriteFormDefinition(root, out));
    return out.TakeBytes();
}

vcl::FormProperty StoredData(const Bytes& stream) {
    return vcl::FormProperty{"StoredData", vcl::FormValue::Binary(vcl::BinaryData::Own(stream))};
}

ac::TacFileStorage& StorageOf(vcl::TComponent& form) {
    return dynamic_cast<ac::TacFileStorage&>(*form.FindComponent("acFileStorage1"));
}

TEST(StorageInForm, ReadsStoredDataAndWritesTheSameDefinition) {
    const Bytes setup = sample::InstallerPayload(100000, 11);
    const Bytes definition = Definition(
        {StoredData(StreamBuilder().Signature().U32(1).SignedRecord("setup.exe", Pack(setup)))});
    TTestForm form(nullptr);
    const vcl::Error error = vcl::ReadRootComponent(vcl::ByteView(definition), form, Registry());
    ASSERT_FALSE(error) << error.Message();
    ac::TacFileStorage& storage = StorageOf(form);
    EXPECT_EQ(storage.Count(), 1u);
    EXPECT_EQ(storage.Files().Items(0)->Contents().View().ToVector(), setup);

    vcl::ByteWriter again;
    ASSERT_FALSE(vcl::SaveRootComponent(form, again));
    EXPECT_EQ(again.Bytes(), definition);
}

TEST(StorageInForm, NoStoredDataMeansAnEmptyStorageAndNoneIsWritten) {
    const Bytes definition = Definition({});
    TTestForm form(nullptr);
    ASSERT_FALSE(vcl::ReadRootComponent(vcl::ByteView(definition), form, Registry()));
    EXPECT_EQ(StorageOf(form).Count(), 0u);
    EXPECT_EQ(StorageOf(form).DataSize(), 0u);
    vcl::FormObject tree;
    ASSERT_FALSE(vcl::WriteComponentTree(form, tree));
    ASSERT_EQ(tree.children.size(), 1u);
    EXPECT_TRUE(tree.children[0].properties.empty());
}

// Count and DataSize are published but never stored; a definition that sets
// them anyway changes nothing.
TEST(StorageInForm, StoredCountIsIgnored) {
    const Bytes definition = Definition(
        {vcl::FormProperty{"Count", vcl::FormValue::Integer(5)},
         StoredData(StreamBuilder().Signature().U32(1).SignedRecord("a", Pack({1, 2})))});
    TTestForm form(nullptr);
    ASSERT_FALSE(vcl::ReadRootComponent(vcl::ByteView(definition), form, Registry()));
    EXPECT_EQ(StorageOf(form).Count(), 1u);
}

TEST(StorageInForm, BadStoredDataAbandonsLoadingWithItsName) {
    const Bytes definition =
        Definition({StoredData(StreamBuilder().Signature().U32(1).U32(0).U32(2))});
    std::unique_ptr<vcl::TComponent> form;
    const vcl::Error error = vcl::LoadRootComponent(vcl::ByteView(definition), Registry(), form);
    ASSERT_TRUE(error);
    EXPECT_EQ(form, nullptr);
    EXPECT_NE(error.Message().find("Form1.acFileStorage1.StoredData: storage stream"),
              std::string::npos)
        << error.Message();
}

TEST(StorageInForm, StoredDataMustBeBinary) {
    const Bytes definition =
        Definition({vcl::FormProperty{"StoredData", vcl::FormValue::String("SFP1")}});
    TTestForm form(nullptr);
    const vcl::Error error = vcl::ReadRootComponent(vcl::ByteView(definition), form, Registry());
    ASSERT_TRUE(error);
    EXPECT_NE(error.Message().find("binary data"), std::string::npos) << error.Message();
}

} // namespace
} // namespace storagetest
