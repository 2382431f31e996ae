// Any bytes as a binary form definition: the reader refuses them or gives a
// tree that writes back, reads again, dumps to text and compiles from that
// text to the very same bytes; and loading it into components (with the
// storage among the known classes) either fails cleanly or succeeds.
#include "storage/StorageClasses.h"
#include "storage/StoredDataText.h"
#include "vcl/ClassInfo.h"
#include "vcl/FormBinary.h"
#include "vcl/FormGraphic.h"
#include "vcl/FormLoader.h"
#include "vcl/FormSaver.h"
#include "vcl/FormText.h"

#include <cstdlib>

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// A root class with a property of each kind, so loading reaches them all.
class TFuzzForm : public vcl::TComponent {
public:
    using TComponent::TComponent;
    static const vcl::ClassInfo& StaticClassInfo() {
        static const vcl::ClassInfo info(
            "TForm1", &vcl::TComponent::StaticClassInfo(), vcl::CreateComponentOf<TFuzzForm>,
            [](vcl::PropertyList& p) {
                p.String<TFuzzForm>("Caption", &TFuzzForm::Text, &TFuzzForm::SetText);
                p.Boolean<TFuzzForm>("Visible", &TFuzzForm::Flag, &TFuzzForm::SetFlag, true);
                p.Cardinal<TFuzzForm>("Count", &TFuzzForm::Number, &TFuzzForm::SetNumber, 0);
                p.Enum<TFuzzForm, int>("Position", "TPosition", &TFuzzForm::Choice,
                                       &TFuzzForm::SetChoice, 0, {"poDesigned", "poDesktopCenter"});
                p.Set<TFuzzForm>("Style", "TFontStyles", &TFuzzForm::Bits, &TFuzzForm::SetBits, 0,
                                 {"fsBold", "fsItalic"});
                p.IntegerOrIdent<TFuzzForm>("Color", "TColor", &TFuzzForm::Colour,
                                            &TFuzzForm::SetColour, 0, {{"clWhite", 0xFFFFFF}});
                p.Event<TFuzzForm>("OnClick", &TFuzzForm::Text, &TFuzzForm::SetText);
            });
        return info;
    }
    const vcl::ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    const std::string& Text() const { return text_; }
    void SetText(const std::string& value) { text_ = value; }
    bool Flag() const { return flag_; }
    void SetFlag(bool value) { flag_ = value; }
    uint32_t Number() const { return number_; }
    void SetNumber(uint32_t value) { number_ = value; }
    int Choice() const { return choice_; }
    void SetChoice(int value) { choice_ = value; }
    uint32_t Bits() const { return bits_; }
    void SetBits(uint32_t value) { bits_ = value; }
    int32_t Colour() const { return colour_; }
    void SetColour(int32_t value) { colour_ = value; }

private:
    std::string text_;
    bool flag_ = true;
    uint32_t number_ = 0;
    int choice_ = 0;
    uint32_t bits_ = 0;
    int32_t colour_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const vcl::ByteView input(data, size);
    vcl::FormObject tree;
    if (vcl::ReadFormDefinition(input, tree)) return 0;

    vcl::ByteWriter first;
    Check(!vcl::WriteFormDefinition(tree, first));
    vcl::FormObject reread;
    Check(!vcl::ReadFormDefinition(vcl::ByteView(first.Bytes()), reread));

    // Through the text form, with pictures and storages shown as such.
    vcl::DecodeGraphicValues(reread);
    std::vector<std::string> notes;
    ac::DecodeStoredDataValues(reread, notes);
    std::string text;
    Check(!vcl::FormatFormText(reread, {}, text));
    vcl::FormObject parsed;
    Check(!vcl::ParseFormText(text, {}, parsed));
    Check(!vcl::EncodeGraphicValues(parsed));
    Check(!ac::EncodeStoredDataValues(parsed));
    vcl::ByteWriter second;
    Check(!vcl::WriteFormDefinition(parsed, second));
    Check(first.Bytes() == second.Bytes());

    vcl::ClassRegistry registry;
    registry.Register(TFuzzForm::StaticClassInfo());
    ac::RegisterStorageClasses(registry);
    std::unique_ptr<vcl::TComponent> root;
    if (!vcl::LoadRootComponent(input, registry, root)) {
        vcl::ByteWriter saved;
        Check(!vcl::SaveRootComponent(*root, saved));
    }
    return 0;
}
