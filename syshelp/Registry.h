// Registry helpers of the unit acUtils: open keys, read and write string
// values. Windows-only implementation behind a portable header: keys are
// carried as opaque handles, so callers need not include <windows.h>.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace acutils {

// The predefined root keys, with the values Windows gives them.
enum class RegRoot : uint32_t {
    ClassesRoot = 0x80000000u,
    CurrentUser = 0x80000001u,
    LocalMachine = 0x80000002u,
};

// Access masks: KEY_READ and KEY_ALL_ACCESS.
constexpr uint32_t KeyRead = 0x00020019u;
constexpr uint32_t KeyAllAccess = 0x000F003Fu;

// A registry key: either a predefined root, which is never closed, or a key
// that OpenRegKey opened, which this object owns and closes when it is
// destroyed or replaced. Move-only, so an opened key has exactly one owner.
class RegKey {
public:
    explicit RegKey(RegRoot root);
    ~RegKey();

    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    RegKey(RegKey&& other) noexcept;
    RegKey& operator=(RegKey&& other) noexcept;

    // True while this holds a predefined root; false once OpenRegKey has put
    // an opened key in its place. A moved-from RegKey holds no key at all, and
    // opening below it fails.
    bool IsRoot() const { return !owned_; }

    // The native key (an HKEY) for calls this unit does not wrap. It stays
    // owned by this object: do not close it.
    void* Native() const { return handle_; }

private:
    friend bool OpenRegKey(RegKey& key, const std::string& subKey, bool create, uint32_t access);
    RegKey(void* opened, bool owned) : handle_(opened), owned_(owned) {}
    void Close();

    void* handle_;
    bool owned_;
};

// Opens the sub-key below `key` (leading backslashes of `subKey` are
// dropped): with `create`, creates missing keys along the path with
// KEY_ALL_ACCESS and ignores `access`; otherwise opens with `access`.
// On success `key` holds the opened key in place of its parent (an owned
// parent is closed; the child stays valid). On failure `key` is unchanged.
// A sub-key with a zero byte inside fails.
bool OpenRegKey(RegKey& key, const std::string& subKey, bool create, uint32_t access);

// Reads the string value `valueName` (empty: the key's default value) of the
// sub-key below `root`. Returns whether the key could be opened for reading.
// `value` is always set: the text up to its first zero byte, or empty when
// the value is missing, not a string (REG_SZ, REG_EXPAND_SZ), an empty REG_SZ,
// or longer than 1023 characters. Environment references in a REG_EXPAND_SZ
// value are returned as they stand.
bool ReadRegString(RegRoot root, const std::string& subKey, const std::string& valueName,
                   std::string& value);

// Stores `value` as a REG_SZ value `valueName` of the sub-key below `root`,
// creating missing keys. The data are exactly the string's bytes, without a
// terminating zero. Failures are not reported.
void WriteRegString(RegRoot root, const std::string& subKey, const std::string& valueName,
                    const std::string& value);

// Replaces `names` with the names of the subkeys of the sub-key below
// `root`, in the order the registry enumerates them. Returns whether the key
// could be opened for reading; `names` is empty when it could not.
bool ListRegSubkeys(RegRoot root, const std::string& subKey, std::vector<std::string>& names);

} // namespace acutils
