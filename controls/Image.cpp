#include "Image.h"

#include "vcl/FormGraphic.h"

namespace vcl {

const ClassInfo& TPicture::StaticClassInfo() {
    static const ClassInfo info("TPicture", &TPersistent::StaticClassInfo(), nullptr,
                                [](PropertyList&) {});
    return info;
}

void TPicture::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Data", [this](ByteReader& in) { return ReadData(in); },
        [this](ByteWriter& out) { return WriteData(out); }, !encoded_.empty());
}

Error TPicture::ReadData(ByteReader& in) {
    ByteView all;
    if (Error error = in.ReadBytes(in.Remaining(), all, "picture")) return error;
    GraphicData graphic;
    if (Error error = ParseGraphicData(all, graphic)) return error;
    if (graphic.className != "TJPEGImage")
        return Error("unsupported picture class \"" + graphic.className + "\"");
    DecodedImage pixels;
    if (Error error = DecodeJpeg(graphic.data, pixels)) return error;
    className_ = graphic.className;
    encoded_ = graphic.data.ToVector();
    pixels_ = std::move(pixels);
    if (OnChange) OnChange();
    return Error();
}

Error TPicture::WriteData(ByteWriter& out) const {
    const std::vector<uint8_t> bytes = BuildGraphicData(className_, ByteView(encoded_));
    out.WriteBytes(ByteView(bytes));
    return Error();
}

TImage::TImage(TComponent* owner) : TControl(owner) {
    picture_.OnChange = [this] { FitToPicture(); };
}

const ClassInfo& TImage::StaticClassInfo() {
    static const ClassInfo info(
        "TImage", &TControl::StaticClassInfo(), CreateComponentOf<TImage>, [](PropertyList& p) {
            p.Boolean<TImage>("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize, false);
            p.Boolean<TImage>("Center", &TImage::Center, &TImage::SetCenter, false);
            p.Object<TImage, TPicture>("Picture", &TImage::Picture);
            p.Boolean<TImage>("Proportional", &TImage::Proportional, &TImage::SetProportional,
                              false);
            p.Boolean<TImage>("Stretch", &TImage::Stretch, &TImage::SetStretch, false);
        });
    return info;
}

void TImage::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    FitToPicture();
}

Rect TImage::DestRect() const {
    return PictureDestRect(picture_.Width(), picture_.Height(), Width(), Height(), stretch_,
                           proportional_, center_);
}

void TImage::ChangeScale(int32_t numerator, int32_t denominator) {
    TControl::ChangeScale(numerator, denominator);
    FitToPicture(); // a picture keeps its own size
}

void TImage::FitToPicture() {
    if (autoSize_ && !picture_.Empty()) {
        SetWidth(picture_.Width());
        SetHeight(picture_.Height());
    }
}

} // namespace vcl
