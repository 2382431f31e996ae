// TLabel: text drawn straight onto the form, sized to its text.
#pragma once

#include "Controls.h"

namespace vcl {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TLabel : public TControl {
public:
    explicit TLabel(TComponent* owner) : TControl(owner) {}

    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    // 8-bit text; a CR LF in it starts a new line.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }
    // Transparent: the form's colour shows behind the text; otherwise the
    // label fills its box with the form's colour first (it has none of its own).
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent) { transparent_ = transparent; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap) { wordWrap_ = wordWrap; }
    // With ShowAccelChar an "&" marks the next character; "&&" is one "&".
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool show) { showAccelChar_ = show; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment) { alignment_ = alignment; }

    // The text as it is drawn: accelerator marks removed when shown.
    std::string DisplayText() const;
    // The font the caption is drawn in now (the link label varies it).
    virtual const TFont& DrawingFont() const { return Font(); }

    // Takes the size of the caption; keeps the left and top.
    void AdjustSize(const TextMeasurer& measurer) override;

private:
    std::string caption_;
    bool autoSize_ = true;
    bool transparent_ = false;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
    TAlignment alignment_ = TAlignment::taLeftJustify;
};

} // namespace vcl
