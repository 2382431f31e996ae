// TImage: a picture drawn onto the form. The picture arrives as the
// binary property "Picture.Data" (graphic class name, then the data) and is
// decoded when it is read, so a picture that cannot be decoded stops loading.
#pragma once

#include "Controls.h"
#include "JpegDecoder.h"

#include <memory>

namespace vcl {

class TPicture : public TPersistent {
public:
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    void DefineProperties(TFiler& filer) override;

    // Reads a picture's stored bytes; only "TJPEGImage" pictures are known.
    Error ReadData(ByteReader& in);
    Error WriteData(ByteWriter& out) const;

    bool Empty() const { return pixels_.width == 0; }
    int32_t Width() const { return pixels_.width; }
    int32_t Height() const { return pixels_.height; }
    const DecodedImage& Pixels() const { return pixels_; }
    const std::string& GraphicClassName() const { return className_; }

    // Called when a picture has been read.
    std::function<void()> OnChange;

private:
    std::string className_;
    std::vector<uint8_t> encoded_; // kept to write the picture again
    DecodedImage pixels_;
};

class TImage : public TControl {
public:
    explicit TImage(TComponent* owner);

    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Center() const { return center_; }
    void SetCenter(bool center) { center_ = center; }
    bool Proportional() const { return proportional_; }
    void SetProportional(bool proportional) { proportional_ = proportional; }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch) { stretch_ = stretch; }

    // Where the picture goes, relative to the control's top-left corner.
    Rect DestRect() const;

    void ChangeScale(int32_t numerator, int32_t denominator) override;
    void AdjustSize(const TextMeasurer&) override { FitToPicture(); }

private:
    void FitToPicture();

    TPicture picture_;
    bool autoSize_ = false;
    bool center_ = false;
    bool proportional_ = false;
    bool stretch_ = false;
};

} // namespace vcl
