#include "syshelp/Registry.h"

#include "syshelp/PathRules.h"
#include "syshelp/SystemText.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <limits>
#include <utility>
#include <vector>

namespace acutils {

static_assert(KeyRead == KEY_READ, "KeyRead must be KEY_READ");
static_assert(KeyAllAccess == KEY_ALL_ACCESS, "KeyAllAccess must be KEY_ALL_ACCESS");

namespace {

// The registry's own handles for the roots; on 64-bit Windows they are the
// sign-extended 32-bit values, so they are taken from the system headers.
HKEY RootHandle(RegRoot root) {
    switch (root) {
    case RegRoot::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case RegRoot::CurrentUser:
        return HKEY_CURRENT_USER;
    case RegRoot::LocalMachine:
        return HKEY_LOCAL_MACHINE;
    }
    return nullptr;
}

HKEY AsHkey(void* handle) {
    return static_cast<HKEY>(handle);
}

// A value is read into a buffer of this size: at most 1023 characters and
// their terminating zero.
constexpr DWORD ValueBufferBytes = 1024;

bool IsStringType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

} // namespace

RegKey::RegKey(RegRoot root) : handle_(RootHandle(root)), owned_(false) {}

RegKey::~RegKey() {
    Close();
}

RegKey::RegKey(RegKey&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), owned_(std::exchange(other.owned_, false)) {}

RegKey& RegKey::operator=(RegKey&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, nullptr);
        owned_ = std::exchange(other.owned_, false);
    }
    return *this;
}

void RegKey::Close() {
    if (owned_ && handle_ != nullptr) ::RegCloseKey(AsHkey(handle_));
    handle_ = nullptr;
    owned_ = false;
}

bool OpenRegKey(RegKey& key, const std::string& subKey, bool create, uint32_t access) {
    const std::string stripped = StripLeadingChars(subKey, '\\');
    if (!HasNoZeroByte(stripped)) return false;

    HKEY opened = nullptr;
    LONG status;
    if (create) {
        status = ::RegCreateKeyExA(AsHkey(key.handle_), stripped.c_str(), 0, nullptr, 0,
                                   KEY_ALL_ACCESS, nullptr, &opened, nullptr);
    } else {
        status = ::RegOpenKeyExA(AsHkey(key.handle_), stripped.c_str(), 0, access, &opened);
    }
    if (status != ERROR_SUCCESS) return false;
    key = RegKey(opened, true);
    return true;
}

bool ReadRegString(RegRoot root, const std::string& subKey, const std::string& valueName,
                   std::string& value) {
    value.clear();
    RegKey key(root);
    if (!OpenRegKey(key, subKey, false, KeyRead)) return false;
    if (!HasNoZeroByte(valueName)) return true;

    std::array<char, ValueBufferBytes> buffer{};
    DWORD type = REG_NONE;
    DWORD size = ValueBufferBytes;
    const LONG status = ::RegQueryValueExA(AsHkey(key.Native()), valueName.c_str(), nullptr, &type,
                                           reinterpret_cast<BYTE*>(buffer.data()), &size);
    if (status != ERROR_SUCCESS || !IsStringType(type)) return true;
    if (type == REG_SZ && size == 0) return true;

    // The stored data need not end in a zero byte (WriteRegString stores none),
    // so the text ends at the first zero or at the reported size, whichever
    // comes first. Data that fill the whole buffer without a zero are longer
    // than 1023 characters and are not read.
    const char* begin = buffer.data();
    const char* end = begin + std::min<DWORD>(size, ValueBufferBytes);
    const char* zero = std::find(begin, end, '\0');
    if (zero == end && end == begin + ValueBufferBytes) return true;
    value.assign(begin, zero);
    return true;
}

bool ListRegSubkeys(RegRoot root, const std::string& subKey, std::vector<std::string>& names) {
    names.clear();
    RegKey key(root);
    if (!OpenRegKey(key, subKey, false, KeyRead)) return false;

    // Key names are at most 255 characters.
    std::array<char, 256> name{};
    for (DWORD index = 0;; ++index) {
        DWORD length = static_cast<DWORD>(name.size());
        const LONG status = ::RegEnumKeyExA(AsHkey(key.Native()), index, name.data(), &length,
                                            nullptr, nullptr, nullptr, nullptr);
        if (status != ERROR_SUCCESS) break;
        names.emplace_back(name.data(), std::min<DWORD>(length, static_cast<DWORD>(name.size())));
    }
    return true;
}

void WriteRegString(RegRoot root, const std::string& subKey, const std::string& valueName,
                    const std::string& value) {
    if (!HasNoZeroByte(valueName)) return;
    if (value.size() > std::numeric_limits<DWORD>::max() - 1) return;
    RegKey key(root);
    if (!OpenRegKey(key, subKey, true, KeyAllAccess)) return;

    // The system adds a terminating zero that the caller "forgot" when the byte
    // just past the data is zero, as it is after any std::string. The data are
    // therefore handed over from a copy followed by a non-zero guard byte, so
    // that exactly the string's bytes are stored.
    std::vector<char> data(value.begin(), value.end());
    data.push_back('\x01');
    const auto size = static_cast<DWORD>(value.size());
    ::RegSetValueExA(AsHkey(key.Native()), valueName.c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(data.data()), size);
}

} // namespace acutils
