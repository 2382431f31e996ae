#include "Label.h"

namespace vcl {

const ClassInfo& TLabel::StaticClassInfo() {
    static const ClassInfo info(
        "TLabel", &TControl::StaticClassInfo(), CreateComponentOf<TLabel>, [](PropertyList& p) {
            p.Enum<TLabel, TAlignment>("Alignment", "TAlignment", &TLabel::Alignment,
                                       &TLabel::SetAlignment, TAlignment::taLeftJustify,
                                       {"taLeftJustify", "taRightJustify", "taCenter"});
            p.Boolean<TLabel>("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize, true);
            p.String<TLabel>("Caption", &TLabel::Caption, &TLabel::SetCaption);
            p.Boolean<TLabel>("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar,
                              true);
            p.Boolean<TLabel>("Transparent", &TLabel::Transparent, &TLabel::SetTransparent, false);
            p.Boolean<TLabel>("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap, false);
        });
    return info;
}

std::string TLabel::DisplayText() const {
    if (!showAccelChar_) return caption_;
    std::string text;
    text.reserve(caption_.size());
    for (size_t i = 0; i < caption_.size(); ++i) {
        if (caption_[i] == '&' && i + 1 < caption_.size()) ++i; // "&x" shows x; "&&" shows one "&"
        text += caption_[i];
    }
    return text;
}

void TLabel::AdjustSize(const TextMeasurer& measurer) {
    if (!autoSize_ || wordWrap_) return;
    const Point extent = measurer.TextExtent(Font(), DisplayText());
    SetWidth(extent.x);
    SetHeight(extent.y);
}

} // namespace vcl
