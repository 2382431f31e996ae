#include "AutoExtract.h"

#include "vcl/ClassInfo.h"

namespace ac {

const std::vector<std::string>& OverwriteNames() {
    static const std::vector<std::string> names = {"owIfSizeDifferent", "owNever", "owAlways"};
    return names;
}

TAutoExtract::TAutoExtract(vcl::TComponent* owner) : TacAddon(owner) {
    extractTo_.SetCreatePath(true);
}

const vcl::ClassInfo& TAutoExtract::StaticClassInfo() {
    static const vcl::ClassInfo info(
        "TAutoExtract", &TacAddon::StaticClassInfo(), nullptr, [](vcl::PropertyList& p) {
            p.Object<TAutoExtract, TExtractTo>("ExtractTo", &TAutoExtract::ExtractTo);
            p.Enum<TAutoExtract, TacFileStorageOverwrite>(
                "Overwrite", "TacFileStorageOverwrite", &TAutoExtract::Overwrite,
                &TAutoExtract::SetOverwrite, TacFileStorageOverwrite::owIfSizeDifferent,
                OverwriteNames());
            p.Boolean<TAutoExtract>("RemoveOnTerminate", &TAutoExtract::RemoveOnTerminate,
                                    &TAutoExtract::SetRemoveOnTerminate, false);
        });
    return info;
}

} // namespace ac
