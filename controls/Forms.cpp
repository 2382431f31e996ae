#include "Forms.h"

#include "BitBtn.h"

#include <algorithm>

namespace vcl {

TForm::TForm(TComponent* owner) : TComponent(owner) {
    font_.OnChange = [this] { FontChanged(); };
}

const ClassInfo& TForm::StaticClassInfo() {
    static const ClassInfo info(
        "TForm", &TComponent::StaticClassInfo(), nullptr, [](PropertyList& p) {
            p.Integer<TForm>("Left", &TForm::Left, &TForm::SetLeft, 0);
            p.Integer<TForm>("Top", &TForm::Top, &TForm::SetTop, 0);
            p.Set<TForm>("BorderIcons", "TBorderIcons", &TForm::BorderIcons, &TForm::SetBorderIcons,
                         biSystemMenu | biMinimize | biMaximize,
                         {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"});
            p.Enum<TForm, TFormBorderStyle>(
                "BorderStyle", "TFormBorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle,
                TFormBorderStyle::bsSizeable,
                {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"});
            p.String<TForm>("Caption", &TForm::Caption, &TForm::SetCaption);
            p.Integer<TForm>("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight, 0);
            p.Integer<TForm>("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth, 0);
            p.IntegerOrIdent<TForm>("Color", "TColor", &TForm::Color, &TForm::SetColor, clBtnFace,
                                    ColorIdents());
            p.Object<TForm, TFont>("Font", &TForm::Font);
            p.Boolean<TForm>("OldCreateOrder", &TForm::OldCreateOrder, &TForm::SetOldCreateOrder,
                             true);
            p.Enum<TForm, TPosition>("Position", "TPosition", &TForm::Position, &TForm::SetPosition,
                                     TPosition::poDesigned,
                                     {"poDesigned", "poDefault", "poDefaultPosOnly",
                                      "poDefaultSizeOnly", "poScreenCenter", "poDesktopCenter",
                                      "poMainFormCenter", "poOwnerFormCenter"});
            p.Boolean<TForm>("Scaled", &TForm::Scaled, &TForm::SetScaled, true);
            p.Boolean<TForm>("Visible", &TForm::Visible, &TForm::SetVisible, false);
            p.Integer<TForm>("PixelsPerInch", &TForm::PixelsPerInch, &TForm::SetPixelsPerInch, 96);
            p.Integer<TForm>("TextHeight", &TForm::TextHeight, &TForm::SetTextHeight, 13);
        });
    return info;
}

void TForm::InsertControl(TControl& control) {
    if (std::find(controls_.begin(), controls_.end(), &control) == controls_.end())
        controls_.push_back(&control);
}

TNotifyEvent TForm::FindMethod(const std::string&) {
    return {};
}

Error TForm::CheckHandlerNames(const FormObject& tree, const ClassRegistry& registry) {
    const ClassInfo* info =
        SameName(tree.className, ClassName()) ? &GetClassInfo() : registry.Find(tree.className);
    for (const FormProperty& property : tree.properties) {
        const PropertyInfo* declared = info ? info->FindProperty(property.name) : nullptr;
        if (!declared || declared->typeName != "event" || property.value.type != ValueType::Ident)
            continue; // anything else is checked when the property is applied
        if (!FindMethod(property.value.text))
            return Error(tree.name + "." + property.name + ": the form has no method \"" +
                         property.value.text + "\"");
    }
    for (const FormObject& child : tree.children)
        if (Error error = CheckHandlerNames(child, registry)) return error;
    return Error();
}

void TForm::FitToDisplay(int32_t displayPpi, const TextMeasurer& measurer) {
    if (scaled_) {
        const FormScaling scaling = vcl::FitToDisplay(pixelsPerInch_, textHeight_, font_.Height(),
                                                      displayPpi, [&](int32_t height) {
                                                          TFont probe;
                                                          probe.Assign(font_);
                                                          probe.SetHeight(height);
                                                          return measurer.TextHeight(probe);
                                                      });
        if (scaling.fontHeight != font_.Height()) font_.SetHeight(scaling.fontHeight);
        if (scaling.Scales()) {
            clientWidth_ = ScaleRounded(clientWidth_, scaling.numerator, scaling.denominator);
            clientHeight_ = ScaleRounded(clientHeight_, scaling.numerator, scaling.denominator);
            for (TControl* control : controls_)
                control->ChangeScale(scaling.numerator, scaling.denominator);
            textHeight_ = scaling.numerator;
        }
        pixelsPerInch_ = displayPpi;
    }
    for (TControl* control : controls_)
        control->AdjustSize(measurer);
}

TControl* TForm::DefaultControl() const {
    for (TControl* control : controls_)
        if (auto* button = dynamic_cast<TBitBtn*>(control))
            if (button->Default() && button->Visible() && button->Enabled()) return button;
    return nullptr;
}

TControl* TForm::FirstFocusable() const {
    TControl* first = nullptr;
    for (TControl* control : controls_)
        if (control->CanFocus() && (!first || control->TabOrder() < first->TabOrder()))
            first = control;
    return first;
}

void TForm::Loaded() {
    TComponent::Loaded();
    for (TControl* control : controls_)
        if (!control->OnClickName().empty()) control->OnClick = FindMethod(control->OnClickName());
}

void TForm::FontChanged() {
    for (TControl* control : controls_)
        control->ParentFontChanged(font_);
}

} // namespace vcl
