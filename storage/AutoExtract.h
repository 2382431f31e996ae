// TAutoExtract: a storage's automatic-extraction settings. When Enabled, the
// storage writes its files into ExtractTo's folder once its form definition
// has been read, under the Overwrite policy; with RemoveOnTerminate it
// remembers what it wrote and deletes it again when it is destroyed.
#pragma once

#include "ExtractTo.h"
#include "acClasses.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ac {

// What happens to a file that already exists at the target path. Stored in
// one byte; the order is the stored value.
enum class TacFileStorageOverwrite : uint8_t {
    owIfSizeDifferent, // replaced when its size differs or cannot be read
    owNever,           // kept; the stored file is written only where none exists
    owAlways,          // replaced
};

// The identifiers a form definition uses, indexed by value.
const std::vector<std::string>& OverwriteNames();

class TAutoExtract : public TacAddon {
public:
    // `owner` is the storage. ExtractTo starts with CreatePath on.
    explicit TAutoExtract(vcl::TComponent* owner);

    static const vcl::ClassInfo& StaticClassInfo();
    const vcl::ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    TExtractTo& ExtractTo() { return extractTo_; }
    const TExtractTo& ExtractTo() const { return extractTo_; }
    TacFileStorageOverwrite Overwrite() const { return overwrite_; }
    void SetOverwrite(TacFileStorageOverwrite overwrite) { overwrite_ = overwrite; }
    bool RemoveOnTerminate() const { return removeOnTerminate_; }
    void SetRemoveOnTerminate(bool remove) { removeOnTerminate_ = remove; }

private:
    TExtractTo extractTo_;
    TacFileStorageOverwrite overwrite_ = TacFileStorageOverwrite::owIfSizeDifferent;
    bool removeOnTerminate_ = false;
};

} // namespace ac
