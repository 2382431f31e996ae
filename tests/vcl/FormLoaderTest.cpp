// Reading definitions into components and writing components back: classes
// by name, properties by name and type, sub-objects, binary properties,
// Loaded notifications, defaults.
#include "vcl/FormLoader.h"
#include "DefinitionSamples.h"
#include "vcl/ClassInfo.h"
#include "vcl/FormBinary.h"
#include "vcl/FormSaver.h"
#include "vcl/FormText.h"

#include <gtest/gtest.h>

namespace vcltest {
namespace {

std::vector<std::string> eventLog;

class TTestFont : public vcl::TPersistent {
public:
    static const vcl::ClassInfo& StaticClassInfo() {
        static const vcl::ClassInfo info(
            "TTestFont", &vcl::TPersistent::StaticClassInfo(), nullptr, [](vcl::PropertyList& p) {
                p.IntegerOrIdent<TTestFont>(
                    "Color", "TColor", &TTestFont::Color, &TTestFont::SetColor, -2147483640,
                    {{"clWindowText", -2147483640}, {"clBlue", 0xFF0000}, {"clRed", 0xFF}});
                p.Integer<TTestFont>("Height", &TTestFont::Height, &TTestFont::SetHeight, -11);
                p.String<TTestFont>("Name", &TTestFont::Name, &TTestFont::SetName, "MS Sans Serif");
                p.Set<TTestFont>("Style", "TFontStyles", &TTestFont::Style, &TTestFont::SetStyle, 0,
                                 {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
            });
        return info;
    }
    const vcl::ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    int32_t Color() const { return color_; }
    void SetColor(int32_t value) { color_ = value; }
    int32_t Height() const { return height_; }
    void SetHeight(int32_t value) { height_ = value; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& value) { name_ = value; }
    uint32_t Style() const { return style_; }
    void SetStyle(uint32_t value) { style_ = value; }

private:
    int32_t color_ = -2147483640;
    int32_t height_ = -11;
    std::string name_ = "MS Sans Serif";
    uint32_t style_ = 0;
};

class TTestSettings : public vcl::TPersistent {
public:
    static const vcl::ClassInfo& StaticClassInfo() {
        static const vcl::ClassInfo info("TTestSettings", &vcl::TPersistent::StaticClassInfo(),
                                         nullptr, [](vcl::PropertyList& p) {
                                             p.Boolean<TTestSettings>(
                                                 "CreatePath", &TTestSettings::CreatePath,
                                                 &TTestSettings::SetCreatePath, true);
                                             p.Object<TTestSettings>("Font", &TTestSettings::Font);
                                         });
        return info;
    }
    const vcl::ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    bool CreatePath() const { return createPath_; }
    void SetCreatePath(bool value) { createPath_ = value; }
    TTestFont& Font() { return font_; }

private:
    bool createPath_ = true;
    TTestFont font_;
};

enum class TTestAlign { alNone, alTop, alClient };

class TTestWidget : public vcl::TComponent {
public:
    using TComponent::TComponent;
    static const vcl::ClassInfo& StaticClassInfo() {
        static const vcl::ClassInfo info(
            "TTestWidget", &vcl::TComponent::StaticClassInfo(), vcl::CreateComponentOf<TTestWidget>,
            [](vcl::PropertyList& p) {
                p.Integer<TTestWidget>("Left", &TTestWidget::Left, &TTestWidget::SetLeft, 0);
                p.String<TTestWidget>("Caption", &TTestWidget::Caption, &TTestWidget::SetCaption);
                p.Boolean<TTestWidget>("Visible", &TTestWidget::Visible, &TTestWidget::SetVisible,
                                       true);
                p.Enum<TTestWidget, TTestAlign>("Align", "TAlign", &TTestWidget::Align,
                                                &TTestWidget::SetAlign, TTestAlign::alNone,
                                                {"alNone", "alTop", "alClient"});
                p.Object<TTestWidget>("Settings", &TTestWidget::Settings);
                p.Event<TTestWidget>("OnClick", &TTestWidget::OnClick, &TTestWidget::SetOnClick);
            });
        return info;
    }
    const vcl::ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    int32_t Left() const { return left_; }
    void SetLeft(int32_t value) { left_ = value; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value) {
        caption_ = value;
        eventLog.push_back("set " + Name() + ".Caption");
    }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }
    TTestAlign Align() const { return align_; }
    void SetAlign(TTestAlign value) { align_ = value; }
    TTestSettings& Settings() { return settings_; }
    const std::string& OnClick() const { return onClick_; }
    void SetOnClick(const std::string& value) { onClick_ = value; }
    Bytes blob;
    TComponent* parent = nullptr;

    void DefineProperties(vcl::TFiler& filer) override {
        filer.DefineBinaryProperty(
            "Blob",
            [this](vcl::ByteReader& in) {
                vcl::ByteView all;
                if (vcl::Error error = in.ReadBytes(in.Remaining(), all, "blob")) return error;
                if (!all.empty() && all.data[0] == 0xEE) return vcl::Error("blob starts with EE");
                blob = all.ToVector();
                return vcl::Error();
            },
            [this](vcl::ByteWriter& out) {
                out.WriteBytes(vcl::ByteView(blob));
                return vcl::Error();
            },
            !blob.empty());
    }
    void SetParentComponent(TComponent* value) override { parent = value; }
    void Loaded() override {
        TComponent::Loaded();
        eventLog.push_back("loaded " + Name());
    }

private:
    int32_t left_ = 0;
    std::string caption_;
    bool visible_ = true;
    TTestAlign align_ = TTestAlign::alNone;
    TTestSettings settings_;
    std::string onClick_;
};

class TTestForm : public vcl::TComponent {
public:
    using TComponent::TComponent;
    static const vcl::ClassInfo& StaticClassInfo() {
        static const vcl::ClassInfo info(
            "TTestForm", &vcl::TComponent::StaticClassInfo(), vcl::CreateComponentOf<TTestForm>,
            [](vcl::PropertyList& p) {
                p.String<TTestForm>("Caption", &TTestForm::Caption, &TTestForm::SetCaption);
            });
        return info;
    }
    const vcl::ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value) { caption_ = value; }
    void Loaded() override {
        TComponent::Loaded();
        eventLog.push_back("loaded " + Name());
    }

private:
    std::string caption_;
};

vcl::ClassRegistry Registry() {
    vcl::ClassRegistry registry;
    registry.Register(TTestForm::StaticClassInfo());
    registry.Register(TTestWidget::StaticClassInfo());
    return registry;
}

Bytes Compile(const std::string& text) {
    vcl::FormObject tree;
    const vcl::Error error = vcl::ParseFormText(text, {}, tree);
    EXPECT_FALSE(error) << error.Message();
    return BinaryOf(tree);
}

TTestWidget& Widget(vcl::TComponent& form, const char* name) {
    vcl::TComponent* found = form.FindComponent(name);
    EXPECT_NE(found, nullptr) << name;
    return dynamic_cast<TTestWidget&>(*found);
}

const char* const Layout = R"(object Form1: TTestForm
  Caption = 'Installation'
  object W1: TTestWidget
    Left = 328
    Caption = 'Sie ben'#246'tigen'
    Visible = False
    Align = alClient
    Settings.CreatePath = False
    Settings.Font.Color = clBlue
    Settings.Font.Height = -16
    Settings.Font.Style = [fsBold, fsUnderline]
    OnClick = W1Click
    Blob = {0102}
  end
  object W2: TTestWidget
    Caption = utf8 'Gr'#195#188'n'
    Settings.Font.Color = 255
    Settings.Font.Name = wide 'Arial'
    object W3: TTestWidget
      Tag = 7
    end
  end
end
)";

TEST(FormLoader, AppliesPropertiesByNameAndType) {
    eventLog.clear();
    TTestForm form(nullptr);
    const Bytes definition = Compile(Layout);
    const vcl::Error error = vcl::ReadRootComponent(vcl::ByteView(definition), form, Registry());
    ASSERT_FALSE(error) << error.Message();
    EXPECT_EQ(form.Name(), "Form1");
    EXPECT_EQ(form.Caption(), "Installation");
    ASSERT_EQ(form.ComponentCount(), 3u) << "nested components are owned by the form too";
    TTestWidget& w1 = Widget(form, "W1");
    EXPECT_EQ(w1.Owner(), &form);
    EXPECT_EQ(w1.Left(), 328);
    EXPECT_EQ(w1.Caption(), "Sie ben\xf6tigen");
    EXPECT_FALSE(w1.Visible());
    EXPECT_EQ(w1.Align(), TTestAlign::alClient);
    EXPECT_FALSE(w1.Settings().CreatePath());
    EXPECT_EQ(w1.Settings().Font().Color(), 0xFF0000);
    EXPECT_EQ(w1.Settings().Font().Height(), -16);
    EXPECT_EQ(w1.Settings().Font().Style(), 0b101u);
    EXPECT_EQ(w1.OnClick(), "W1Click");
    EXPECT_EQ(w1.blob, (Bytes{1, 2}));
    TTestWidget& w2 = Widget(form, "W2");
    EXPECT_EQ(w2.Caption(), "Gr\xfcn") << "UTF-8 text becomes code page 1252";
    EXPECT_EQ(w2.Settings().Font().Color(), 255);
    EXPECT_EQ(w2.Settings().Font().Name(), "Arial");
    EXPECT_EQ(Widget(form, "W3").Tag(), 7);
    EXPECT_EQ(Widget(form, "W3").parent, &w2);
    EXPECT_EQ(w1.parent, &form);
    EXPECT_FALSE(w1.Loading());
}

// Loaded comes after everything was read: the form first, then the
// components in stored order.
TEST(FormLoader, LoadedNotificationsFollowTheWholeDefinition) {
    eventLog.clear();
    std::unique_ptr<vcl::TComponent> form;
    const Bytes definition = Compile(Layout);
    ASSERT_FALSE(vcl::LoadRootComponent(vcl::ByteView(definition), Registry(), form));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->ClassName(), "TTestForm");
    EXPECT_EQ(eventLog,
              (std::vector<std::string>{"set W1.Caption", "set W2.Caption", "loaded Form1",
                                        "loaded W1", "loaded W2", "loaded W3"}));
}

// Writing leaves out defaults and writes binary properties only with data;
// what it writes reads back and writes again to the same bytes.
TEST(FormLoader, SavesNonDefaultSettingsOnly) {
    TTestForm form(nullptr);
    form.SetName("Form1");
    auto& widget =
        static_cast<TTestWidget&>(form.InsertComponent(std::make_unique<TTestWidget>(&form)));
    widget.SetName("W1");
    widget.Settings().Font().SetHeight(-21);
    widget.Settings().Font().SetStyle(1);
    widget.Settings().Font().SetColor(12345);
    widget.SetCaption("Gr\xfc\xdf"
                      "e");
    auto& empty =
        static_cast<TTestWidget&>(form.InsertComponent(std::make_unique<TTestWidget>(&form)));
    empty.SetName("W2");

    vcl::FormObject tree;
    ASSERT_FALSE(vcl::WriteComponentTree(form, tree));
    std::string text;
    ASSERT_FALSE(vcl::FormatFormText(tree, {}, text));
    EXPECT_EQ(text, "object Form1: TTestForm\n"
                    "  object W1: TTestWidget\n"
                    "    Caption = utf8 'Gr\xc3\xbc\xc3\x9f"
                    "e'\n"
                    "    Settings.Font.Color = 12345\n"
                    "    Settings.Font.Height = -21\n"
                    "    Settings.Font.Style = [fsBold]\n"
                    "  end\n"
                    "  object W2: TTestWidget\n"
                    "  end\n"
                    "end\n");

    const Bytes first = BinaryOf(tree);
    TTestForm again(nullptr);
    ASSERT_FALSE(vcl::ReadRootComponent(vcl::ByteView(first), again, Registry()));
    EXPECT_EQ(Widget(again, "W1").Caption(), "Gr\xfc\xdf"
                                             "e");
    vcl::ByteWriter second;
    ASSERT_FALSE(vcl::SaveRootComponent(again, second));
    EXPECT_EQ(second.Bytes(), first);
}

TEST(FormLoader, LayoutSurvivesLoadAndSave) {
    TTestForm form(nullptr);
    const Bytes definition = Compile(Layout);
    ASSERT_FALSE(vcl::ReadRootComponent(vcl::ByteView(definition), form, Registry()));
    vcl::ByteWriter saved;
    ASSERT_FALSE(vcl::SaveRootComponent(form, saved));
    TTestForm again(nullptr);
    ASSERT_FALSE(vcl::ReadRootComponent(vcl::ByteView(saved.Bytes()), again, Registry()));
    TTestWidget& w1 = Widget(again, "W1");
    EXPECT_EQ(w1.Settings().Font().Style(), 0b101u);
    EXPECT_EQ(w1.blob, (Bytes{1, 2}));
    EXPECT_EQ(w1.OnClick(), "W1Click");
}

// Each broken definition abandons loading with an error naming the place,
// and no component hears Loaded.
TEST(FormLoader, RefusesUnknownNamesAndWrongTypes) {
    struct Case {
        const char* name;
        const char* body; // inside "object W1: TTestWidget ... end"
        const char* message;
    };
    const Case cases[] = {
        {"UnknownProperty", "Width = 3",
         "Form1.W1.Width: unknown property \"Width\" of class TTestWidget"},
        {"UnknownSubProperty", "Settings.Font.Size = 3",
         "Form1.W1.Settings.Font.Size: unknown property \"Size\" of class TTestFont"},
        {"DottedThroughValue", "Left.X = 1", "\"Left\" of class TTestWidget has no properties"},
        {"ObjectSetDirectly", "Settings = 1", "\"Settings\" is an object"},
        {"IntegerGivenText", "Left = 'x'",
         "Form1.W1.Left: expects a value of type Integer, found a string"},
        {"IntegerOutOfRange", "Left = 3000000000", "out of the range of Integer"},
        {"BooleanGivenInteger", "Visible = 1", "expects True or False"},
        {"UnknownEnumValue", "Align = alLeft", "'alLeft' is not a value of TAlign"},
        {"EnumGivenString", "Align = 'alTop'", "type TAlign, found a string"},
        {"UnknownSetElement", "Settings.Font.Style = [fsHuge]",
         "'fsHuge' is not a value of TFontStyles"},
        {"UnknownColour", "Settings.Font.Color = clPink", "'clPink' is not a value of TColor"},
        {"StringGivenIdent", "Caption = Hello", "type string, found a identifier"},
        {"EventGivenString", "OnClick = 'W1Click'", "expects the name of a handler"},
        {"BinaryGivenInteger", "Blob = 5", "type binary data, found a integer"},
        {"BinaryRejected", "Blob = {EE}", "Form1.W1.Blob: blob starts with EE"},
        {"UnknownClass", "object X: TNoSuch\nend", "Form1.X: unknown class TNoSuch"},
        {"DuplicateName", "object W1: TTestWidget\nend", "a component named W1 exists already"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        eventLog.clear();
        const Bytes definition =
            Compile(std::string("object Form1: TTestForm\nobject W1: TTestWidget\n") + c.body +
                    "\nend\nend");
        TTestForm form(nullptr);
        const vcl::Error error =
            vcl::ReadRootComponent(vcl::ByteView(definition), form, Registry());
        ASSERT_TRUE(error);
        EXPECT_NE(error.Message().find(c.message), std::string::npos) << error.Message();
        for (const std::string& entry : eventLog)
            EXPECT_EQ(entry.find("loaded"), std::string::npos) << entry;
    }
}

TEST(FormLoader, RefusesTheWrongRootClass) {
    const Bytes definition = Compile("object F: TTestWidget\nend");
    TTestForm form(nullptr);
    const vcl::Error error = vcl::ReadRootComponent(vcl::ByteView(definition), form, Registry());
    ASSERT_TRUE(error);
    EXPECT_NE(error.Message().find("describes a TTestWidget, not a TTestForm"), std::string::npos);

    std::unique_ptr<vcl::TComponent> root;
    const Bytes unknown = Compile("object F: TNoSuchForm\nend");
    const vcl::Error unknownError =
        vcl::LoadRootComponent(vcl::ByteView(unknown), Registry(), root);
    ASSERT_TRUE(unknownError);
    EXPECT_NE(unknownError.Message().find("unknown class TNoSuchForm"), std::string::npos);
    EXPECT_EQ(root, nullptr);
}

TEST(FormLoader, ClassAndPropertyNamesIgnoreCase) {
    const Bytes definition = Compile("object F: ttestform\n object W: TTESTWIDGET\n  left = 5\n"
                                     "  settings.font.HEIGHT = 3\n end\nend");
    TTestForm form(nullptr);
    const vcl::Error error = vcl::ReadRootComponent(vcl::ByteView(definition), form, Registry());
    ASSERT_FALSE(error) << error.Message();
    EXPECT_EQ(Widget(form, "W").Left(), 5);
    EXPECT_EQ(Widget(form, "W").Settings().Font().Height(), 3);
}

} // namespace
} // namespace vcltest
