#include "RecorderRegistration.h"

#include "syshelp/Registry.h"

#include <windows.h>

#include <atomic>
#include <stdexcept>

namespace recorder {

namespace {

using acutils::RegKey;
using acutils::RegRoot;

const char CopiesKey[] = "Software\\QuietlockLauncherTests";

void SetString(RegRoot root, const std::string& path, const std::string& name,
               const std::string& value) {
    RegKey key(root);
    if (!acutils::OpenRegKey(key, path, true, acutils::KeyAllAccess))
        throw std::runtime_error("cannot create registry key " + path);
    const LONG status = ::RegSetValueExA(static_cast<HKEY>(key.Native()), name.c_str(), 0, REG_SZ,
                                         reinterpret_cast<const BYTE*>(value.c_str()),
                                         static_cast<DWORD>(value.size() + 1));
    if (status != ERROR_SUCCESS) throw std::runtime_error("cannot write registry value in " + path);
}

bool KeyExists(RegRoot root, const std::string& path) {
    RegKey key(root);
    return acutils::OpenRegKey(key, path, false, acutils::KeyRead);
}

std::string HtmlClass() {
    std::string fileClass;
    acutils::ReadRegString(RegRoot::ClassesRoot, ".html", "", fileClass);
    return fileClass;
}

std::string UniqueCopyName() {
    static std::atomic<unsigned> counter{0};
    return std::string(CopiesKey) + "\\Saved-" + std::to_string(::GetCurrentProcessId()) + "-" +
           std::to_string(++counter);
}

} // namespace

std::string RecorderOpenCommand(const std::string& recorderPath) {
    return "\"" + recorderPath + "\" \"%1\"";
}

void RegisterRecorder(const std::string& recorderPath) {
    const std::string command = RecorderOpenCommand(recorderPath);
    SetString(RegRoot::ClassesRoot, "htmlfile\\shell\\open\\command", "", command);
    std::string htmlClass = HtmlClass();
    if (htmlClass.empty()) {
        htmlClass = "htmlfile";
        SetString(RegRoot::ClassesRoot, ".html", "", htmlClass);
    }
    SetString(RegRoot::ClassesRoot, htmlClass + "\\shell\\open\\command", "", command);
    for (const char* protocol : {"mailto", "http"}) {
        SetString(RegRoot::ClassesRoot, protocol, "URL Protocol", "");
        SetString(RegRoot::ClassesRoot, std::string(protocol) + "\\shell\\open\\command", "",
                  command);
    }
}

SavedClassesKey::SavedClassesKey(const std::string& path) : path_(path) {
    RegKey original(RegRoot::ClassesRoot);
    if (acutils::OpenRegKey(original, path_, false, acutils::KeyRead)) {
        copy_ = UniqueCopyName();
        RegKey copy(RegRoot::CurrentUser);
        if (!acutils::OpenRegKey(copy, copy_, true, acutils::KeyAllAccess) ||
            ::RegCopyTreeA(static_cast<HKEY>(original.Native()), nullptr,
                           static_cast<HKEY>(copy.Native())) != ERROR_SUCCESS)
            throw std::runtime_error("cannot save registry key " + path_);
        return;
    }
    // Remember the outermost key that is missing, so that restoring removes
    // every key that was created below the ones that existed.
    for (auto pos = path_.find('\\');; pos = path_.find('\\', pos + 1)) {
        const std::string prefix = path_.substr(0, pos);
        if (!KeyExists(RegRoot::ClassesRoot, prefix)) {
            firstMissing_ = prefix;
            break;
        }
        if (pos == std::string::npos) break;
    }
}

SavedClassesKey::~SavedClassesKey() {
    if (copy_.empty()) {
        if (!firstMissing_.empty()) ::RegDeleteTreeA(HKEY_CLASSES_ROOT, firstMissing_.c_str());
        return;
    }
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, path_.c_str());
    RegKey restored(RegRoot::ClassesRoot);
    RegKey copy(RegRoot::CurrentUser);
    if (acutils::OpenRegKey(restored, path_, true, acutils::KeyAllAccess) &&
        acutils::OpenRegKey(copy, copy_, false, acutils::KeyRead))
        ::RegCopyTreeA(static_cast<HKEY>(copy.Native()), nullptr,
                       static_cast<HKEY>(restored.Native()));
    ::RegDeleteTreeA(HKEY_CURRENT_USER, copy_.c_str());
}

ScopedRecorderRegistration::ScopedRecorderRegistration(const std::string& recorderPath) {
    std::string htmlClass = HtmlClass();
    saved_.push_back(std::make_unique<SavedClassesKey>("htmlfile\\shell\\open\\command"));
    saved_.push_back(std::make_unique<SavedClassesKey>(".html"));
    if (!htmlClass.empty() && htmlClass != "htmlfile")
        saved_.push_back(std::make_unique<SavedClassesKey>(htmlClass + "\\shell\\open\\command"));
    saved_.push_back(std::make_unique<SavedClassesKey>("mailto"));
    saved_.push_back(std::make_unique<SavedClassesKey>("http"));
    RegisterRecorder(recorderPath);
}

} // namespace recorder
