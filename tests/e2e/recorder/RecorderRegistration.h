// Registering the recorder in the Wine prefix's own registry as the program
// that opens HTML files (the class "htmlfile" and whatever class ".html"
// names), "mailto:" addresses and "http:" addresses. Windows test support.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace recorder {

// The open command registered for the recorder at `recorderPath`:
// the quoted path, a blank, and "%1" in quotes.
std::string RecorderOpenCommand(const std::string& recorderPath);

// Writes the registration into HKEY_CLASSES_ROOT for good (for scripts that
// run in a prefix of their own): "htmlfile", ".html" (made to name
// "htmlfile" when it names no class) and its class, "mailto" and "http".
// Throws std::runtime_error when a key cannot be written.
void RegisterRecorder(const std::string& recorderPath);

// A key of HKEY_CLASSES_ROOT saved with everything below it, and put back as
// it was (or removed, when it did not exist) when this object is destroyed.
// The copy is kept below HKEY_CURRENT_USER\Software\QuietlockLauncherTests.
class SavedClassesKey {
public:
    explicit SavedClassesKey(const std::string& path);
    ~SavedClassesKey();
    SavedClassesKey(const SavedClassesKey&) = delete;
    SavedClassesKey& operator=(const SavedClassesKey&) = delete;

private:
    std::string path_;
    std::string firstMissing_; // the outermost key of path_ that did not exist
    std::string copy_;         // below HKEY_CURRENT_USER; empty when none
};

// Saves every key that RegisterRecorder changes, registers the recorder,
// and restores the saved keys when destroyed.
class ScopedRecorderRegistration {
public:
    explicit ScopedRecorderRegistration(const std::string& recorderPath);
    ScopedRecorderRegistration(const ScopedRecorderRegistration&) = delete;
    ScopedRecorderRegistration& operator=(const ScopedRecorderRegistration&) = delete;

private:
    std::vector<std::unique_ptr<SavedClassesKey>> saved_;
};

} // namespace recorder
