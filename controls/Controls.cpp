#include "Controls.h"

#include "Forms.h"

namespace vcl {

TControl::TControl(TComponent* owner) : TComponent(owner) {
    // A font set from a definition or in code makes the control stop
    // following the form's font.
    font_.OnChange = [this] {
        if (!followingParent_) parentFont_ = false;
    };
}

const ClassInfo& TControl::StaticClassInfo() {
    static const ClassInfo info(
        "TControl", &TComponent::StaticClassInfo(), nullptr, [](PropertyList& p) {
            p.Integer<TControl>("Left", &TControl::Left, &TControl::SetLeft, 0);
            p.Integer<TControl>("Top", &TControl::Top, &TControl::SetTop, 0);
            p.Integer<TControl>("Width", &TControl::Width, &TControl::SetWidth, 0);
            p.Integer<TControl>("Height", &TControl::Height, &TControl::SetHeight, 0);
            p.IntegerOrIdent<TControl>("Cursor", "TCursor", &TControl::Cursor, &TControl::SetCursor,
                                       crDefault, CursorIdents());
            p.Boolean<TControl>("Enabled", &TControl::Enabled, &TControl::SetEnabled, true);
            p.Object<TControl, TFont>("Font", &TControl::Font);
            p.Boolean<TControl>("ParentFont", &TControl::ParentFont, &TControl::SetParentFont,
                                true);
            p.Integer<TControl>("TabOrder", &TControl::TabOrder, &TControl::SetTabOrder, -1);
            p.Boolean<TControl>("Visible", &TControl::Visible, &TControl::SetVisible, true);
            p.Event<TControl>("OnClick", &TControl::OnClickName, &TControl::SetOnClickName);
        });
    return info;
}

void TControl::SetLeft(int32_t left) {
    const int32_t width = Width();
    bounds_.left = left;
    bounds_.right = left + width;
}

void TControl::SetTop(int32_t top) {
    const int32_t height = Height();
    bounds_.top = top;
    bounds_.bottom = top + height;
}

void TControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    bounds_ = Rect{left, top, left + width, top + height};
}

void TControl::SetParentFont(bool parentFont) {
    parentFont_ = parentFont;
    if (parentFont_ && parent_) ParentFontChanged(parent_->Font());
}

void TControl::SetParentComponent(TComponent* parent) {
    parent_ = dynamic_cast<TForm*>(parent);
    if (parent_) {
        parent_->InsertControl(*this);
        if (parentFont_) ParentFontChanged(parent_->Font());
    }
}

void TControl::ParentFontChanged(const TFont& parentFont) {
    if (!parentFont_) return;
    followingParent_ = true;
    font_.Assign(parentFont);
    followingParent_ = false;
}

void TControl::ChangeScale(int32_t numerator, int32_t denominator) {
    SetBounds(ScaleRounded(Left(), numerator, denominator),
              ScaleRounded(Top(), numerator, denominator),
              ScaleRounded(Width(), numerator, denominator),
              ScaleRounded(Height(), numerator, denominator));
    if (!parentFont_) {
        followingParent_ = true; // scaling keeps ParentFont as it is
        font_.SetHeight(ScaleRounded(font_.Height(), numerator, denominator));
        followingParent_ = false;
    }
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

} // namespace vcl
