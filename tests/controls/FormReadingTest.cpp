// Reading the launcher's kind of definition into the control classes: the
// settings land where the window layer reads them.
#include "controls/BitBtn.h"
#include "controls/ControlClasses.h"
#include "controls/Forms.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/acURLLabel.h"
#include "vcl/FormGraphic.h"
#include "vcl/FormLoader.h"
#include "vcl/FormText.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace vcl {
namespace {

std::vector<uint8_t> ReadAsset(const std::string& name) {
    std::ifstream in(std::string(QL_ASSETS_DIR) + "/" + name, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

class TTestForm : public TForm {
public:
    explicit TTestForm(TComponent* owner) : TForm(owner) {}
    static const ClassInfo& StaticClassInfo() {
        static const ClassInfo info("TTestForm", &TForm::StaticClassInfo(),
                                    CreateComponentOf<TTestForm>, [](PropertyList&) {});
        return info;
    }
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    TNotifyEvent FindMethod(const std::string& name) override {
        if (name == "ButtonClick") return [this](TComponent*) { ++clicks; };
        return {};
    }
    int clicks = 0;
};

// Parses the text (pictures from the assets) and reads it into a form.
Error Load(const std::string& text, TTestForm& form) {
    TextReadOptions options;
    options.loadFile = [](const std::string& name, BinaryData& data) {
        std::vector<uint8_t> bytes = ReadAsset(name);
        if (bytes.empty()) return Error("no asset " + name);
        data = BinaryData::Own(std::move(bytes));
        return Error();
    };
    FormObject tree;
    if (Error error = ParseFormText(text, options, tree)) return error;
    if (Error error = EncodeGraphicValues(tree)) return error;
    ClassRegistry registry;
    RegisterControlClasses(registry);
    if (Error error = form.CheckHandlerNames(tree, registry)) return error;
    return ReadComponentTree(tree, form, registry);
}

const char WindowText[] = R"(object Form1: TTestForm
  ClientHeight = 250
  ClientWidth = 667
  Color = clWhite
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Position = poDesktopCenter
  BorderStyle = bsSingle
  object Image2: TImage
    Left = 8
    Top = 8
    Width = 10
    Height = 10
    Cursor = crHandPoint
    AutoSize = True
    Picture.Data = graphic 'TJPEGImage' file 'logo.jpg'
  end
  object Label5: TLabel
    Left = 8
    Top = 184
    Caption = 'Vollversion'
    Font.Charset = ANSI_CHARSET
    Font.Height = -21
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label1: TLabel
    Left = 328
    Caption = utf8 'Sie benötigen Unterstützung?'#13#10'Schreiben Sie uns!'
  end
  object Link: TacURLLabel
    Cursor = crLinkSelect
    Font.Color = clBlue
    Font.Style = [fsUnderline]
    FontHover.Color = clRed
    FontHover.Used = True
    Kind = ukEmail
    Email.Subject = 'Frage'
  end
  object Image1: TImage
    Width = 97
    Height = 129
    Proportional = True
    Picture.Data = graphic 'TJPEGImage' file 'box.jpg'
  end
  object BitBtn1: TBitBtn
    Caption = 'Jetzt installieren!'
    TabOrder = 0
    OnClick = ButtonClick
    Kind = bkOK
  end
end
)";

TEST(FormReading, AppliesTheWindowAndControlSettings) {
    TTestForm form(nullptr);
    ASSERT_FALSE(Load(WindowText, form).Failed()) << Load(WindowText, form).Message();
    EXPECT_EQ(form.ClientWidth(), 667);
    EXPECT_EQ(form.Color(), clWhite);
    EXPECT_EQ(form.Position(), TPosition::poDesktopCenter);
    EXPECT_EQ(form.BorderStyle(), TFormBorderStyle::bsSingle);
    ASSERT_EQ(form.Controls().size(), 6u);

    auto* logo = dynamic_cast<TImage*>(form.Controls()[0]);
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->Width(), 197) << "AutoSize takes the picture's size";
    EXPECT_EQ(logo->Height(), 89);
    EXPECT_EQ(logo->Cursor(), crHandPoint);

    auto* label5 = dynamic_cast<TLabel*>(form.Controls()[1]);
    EXPECT_FALSE(label5->ParentFont());
    EXPECT_EQ(label5->Font().Name(), "Arial");
    EXPECT_EQ(label5->Font().Style(), uint32_t(fsBold));
    EXPECT_EQ(label5->Font().Charset(), AnsiCharset);

    auto* label1 = dynamic_cast<TLabel*>(form.Controls()[2]);
    EXPECT_TRUE(label1->ParentFont());
    EXPECT_EQ(label1->Font().Name(), "MS Sans Serif");
    EXPECT_EQ(label1->Caption(), "Sie ben\xF6tigen Unterst\xFCtzung?\r\nSchreiben Sie uns!")
        << "UTF-8 in the definition, code page 1252 in the program";

    auto* link = dynamic_cast<TacURLLabel*>(form.Controls()[3]);
    EXPECT_EQ(link->Cursor(), crLinkSelect);
    EXPECT_EQ(link->Kind(), TacURLKind::ukEmail);
    EXPECT_EQ(link->Email().Subject(), "Frage");
    EXPECT_EQ(link->DrawingFont().Color(), clBlue);
    EXPECT_TRUE(link->SetState(LinkState::Hover));
    EXPECT_EQ(link->DrawingFont().Color(), clRed);
    EXPECT_TRUE(link->DrawingFont().Style() & fsUnderline);
    EXPECT_FALSE(link->SetState(LinkState::Pressed)) << "no click variant: hover look stays";
    EXPECT_TRUE(link->SetState(LinkState::Rest));

    auto* box = dynamic_cast<TImage*>(form.Controls()[4]);
    EXPECT_EQ(box->Picture().Width(), 120);
    EXPECT_EQ(box->Picture().Height(), 154);
    EXPECT_EQ(box->DestRect(), (Rect{0, 0, 97, 124}));

    auto* button = dynamic_cast<TBitBtn*>(form.Controls()[5]);
    EXPECT_EQ(button->Caption(), "Jetzt installieren!") << "the caption stored before the kind";
    EXPECT_TRUE(button->Default());
    EXPECT_EQ(form.DefaultControl(), button);
    EXPECT_EQ(form.FirstFocusable(), button);
    button->Click();
    EXPECT_EQ(form.clicks, 1);
}

TEST(FormReading, KindGivesItsCaptionOnlyWhenNoneWasStored) {
    TBitBtn button(nullptr);
    button.SetKind(TBitBtnKind::bkOK);
    EXPECT_EQ(button.Caption(), "OK");
    EXPECT_TRUE(button.Default());
    button.SetKind(TBitBtnKind::bkCancel);
    EXPECT_EQ(button.Caption(), "OK");
    EXPECT_FALSE(button.Default());
}

class FakeMeasurer : public TextMeasurer {
public:
    Point TextExtent(const TFont& font, const std::string& text) const override {
        return Point{int32_t(text.size()) * 6, -font.Height() + 2};
    }
    int32_t TextHeight(const TFont& font) const override { return -font.Height() + 2; }
};

TEST(FormReading, FitsToA120DpiDisplayByTextHeight) {
    TTestForm form(nullptr);
    ASSERT_FALSE(Load(WindowText, form).Failed());
    form.FitToDisplay(120, FakeMeasurer());
    // -11 at 120 dpi is -14; the fake measures 16, so everything scales by 16/13.
    EXPECT_EQ(form.Font().Height(), -14);
    EXPECT_EQ(form.ClientWidth(), 821);
    EXPECT_EQ(form.ClientHeight(), 308);
    auto* label5 = dynamic_cast<TLabel*>(form.Controls()[1]);
    EXPECT_EQ(label5->Top(), 226);
    EXPECT_EQ(label5->Font().Height(), -26) << "an own font scales too";
    EXPECT_FALSE(label5->ParentFont());
    auto* label1 = dynamic_cast<TLabel*>(form.Controls()[2]);
    EXPECT_EQ(label1->Font().Height(), -14) << "a parent font follows the form";
    auto* logo = dynamic_cast<TImage*>(form.Controls()[0]);
    EXPECT_EQ(logo->Width(), 197) << "an auto-sized picture keeps its size";
    EXPECT_EQ(logo->Left(), 10);
}

TEST(FormReading, NothingChangesAtTheDesignDensity) {
    TTestForm form(nullptr);
    ASSERT_FALSE(Load(WindowText, form).Failed());
    form.FitToDisplay(96, FakeMeasurer());
    EXPECT_EQ(form.ClientWidth(), 667);
    EXPECT_EQ(form.ClientHeight(), 250);
    auto* label5 = dynamic_cast<TLabel*>(form.Controls()[1]);
    EXPECT_EQ(label5->Width(), 66) << "auto-sized to the (fake) text extent";
}

TEST(FormReading, RejectsBadDefinitionsWithAClearError) {
    struct Case {
        const char* what;
        std::string text;
        const char* message;
    } const cases[] = {
        {"unknown handler", "object F: TTestForm\n object B: TBitBtn\n OnClick = Nope\n end\nend\n",
         "no method \"Nope\""},
        {"unknown colour", "object F: TTestForm\n Color = clPlaid\nend\n", "clPlaid"},
        {"unknown class", "object F: TTestForm\n object X: TTreeView\n end\nend\n", "TTreeView"},
        {"picture of another class",
         "object F: TTestForm\n object I: TImage\n Picture.Data = graphic 'TBitmap' {00}\n "
         "end\nend\n",
         "TBitmap"},
        {"damaged JPEG",
         "object F: TTestForm\n object I: TImage\n Picture.Data = graphic 'TJPEGImage' "
         "{FFD8FFE000104A46494600}\n end\nend\n",
         "JPEG"},
    };
    for (const Case& c : cases) {
        TTestForm form(nullptr);
        const Error error = Load(c.text, form);
        ASSERT_TRUE(error.Failed()) << c.what;
        EXPECT_NE(error.Message().find(c.message), std::string::npos)
            << c.what << ": " << error.Message();
    }
}

TEST(JpegDecoder, DecodesTheProgressivePicturesAndRefusesGarbage) {
    const std::vector<uint8_t> logo = ReadAsset("logo.jpg");
    DecodedImage image;
    ASSERT_FALSE(DecodeJpeg(ByteView(logo), image).Failed());
    EXPECT_EQ(image.width, 197);
    EXPECT_EQ(image.height, 89);
    ASSERT_EQ(image.bgrx.size(), size_t(197 * 89 * 4));
    EXPECT_GT(image.bgrx[0], 200) << "top-left corner is white";

    std::vector<uint8_t> cut(logo.begin(), logo.begin() + 200);
    const Error truncated = DecodeJpeg(ByteView(cut), image);
    if (truncated.Failed()) {
        EXPECT_TRUE(image.bgrx.empty());
    }
    const std::vector<uint8_t> garbage = {0xFF, 0xD8, 0x00, 0x01, 0x02, 0x03};
    EXPECT_TRUE(DecodeJpeg(ByteView(garbage), image).Failed());
    EXPECT_TRUE(image.bgrx.empty());
    EXPECT_TRUE(DecodeJpeg(ByteView(), image).Failed());
}

} // namespace
} // namespace vcl
