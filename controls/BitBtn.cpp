#include "BitBtn.h"

namespace vcl {
namespace {

const char* KindCaption(TBitBtnKind kind) {
    switch (kind) {
    case TBitBtnKind::bkOK:
        return "OK";
    case TBitBtnKind::bkCancel:
        return "Abbrechen";
    case TBitBtnKind::bkHelp:
        return "&Hilfe";
    case TBitBtnKind::bkYes:
        return "&Ja";
    case TBitBtnKind::bkNo:
        return "&Nein";
    case TBitBtnKind::bkClose:
        return "&Schlie\xDF"
               "en";
    case TBitBtnKind::bkAbort:
        return "Abbrechen";
    case TBitBtnKind::bkRetry:
        return "&Wiederholen";
    case TBitBtnKind::bkIgnore:
        return "&Ignorieren";
    case TBitBtnKind::bkAll:
        return "&Alles";
    case TBitBtnKind::bkCustom:
        break;
    }
    return "";
}

} // namespace

const ClassInfo& TBitBtn::StaticClassInfo() {
    static const ClassInfo info(
        "TBitBtn", &TControl::StaticClassInfo(), CreateComponentOf<TBitBtn>, [](PropertyList& p) {
            p.String<TBitBtn>("Caption", &TBitBtn::Caption, &TBitBtn::SetCaption);
            p.Boolean<TBitBtn>("Default", &TBitBtn::Default, &TBitBtn::SetDefault, false);
            p.Enum<TBitBtn, TBitBtnKind>("Kind", "TBitBtnKind", &TBitBtn::Kind, &TBitBtn::SetKind,
                                         TBitBtnKind::bkCustom,
                                         {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo",
                                          "bkClose", "bkAbort", "bkRetry", "bkIgnore", "bkAll"});
            p.Integer<TBitBtn>("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin, -1);
            p.Integer<TBitBtn>("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing, 4);
        });
    return info;
}

void TBitBtn::SetKind(TBitBtnKind kind) {
    kind_ = kind;
    if (kind == TBitBtnKind::bkCustom) return;
    default_ = kind == TBitBtnKind::bkOK || kind == TBitBtnKind::bkYes;
    if (caption_.empty()) caption_ = KindCaption(kind);
}

} // namespace vcl
