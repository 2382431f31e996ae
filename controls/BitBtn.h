// TBitBtn: a push button with a glyph left of its caption. A kind other
// than bkCustom brings the kind's glyph; bkOK and bkYes also make the
// button the form's default button (Enter presses it).
#pragma once

#include "Controls.h"

namespace vcl {

enum class TBitBtnKind {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};

class TBitBtn : public TControl {
public:
    explicit TBitBtn(TComponent* owner) : TControl(owner) {}

    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    TBitBtnKind Kind() const { return kind_; }
    // A caption given before the kind is kept; an empty one takes the kind's.
    void SetKind(TBitBtnKind kind);
    bool Default() const { return default_; }
    void SetDefault(bool isDefault) { default_ = isDefault; }
    // Pixels from the left edge to the glyph; -1 centres glyph and caption.
    int32_t Margin() const { return margin_; }
    void SetMargin(int32_t margin) { margin_ = margin; }
    // Pixels between glyph and caption.
    int32_t Spacing() const { return spacing_; }
    void SetSpacing(int32_t spacing) { spacing_ = spacing; }

    bool CanFocus() const override { return Visible() && Enabled(); }

private:
    std::string caption_;
    TBitBtnKind kind_ = TBitBtnKind::bkCustom;
    bool default_ = false;
    int32_t margin_ = -1;
    int32_t spacing_ = 4;
};

} // namespace vcl
