// The recorder: a stand-in for a browser or mail program in the end-to-end
// tests. The tests register it in their Wine prefix as the program that opens
// HTML files and "mailto:" addresses; each start appends one record to the
// file named by QL_RECORDER_LOG and the program ends at once.
//
// A record lists its fields as "<key> <length>:<bytes>\n" so that any bytes,
// line breaks included, come back exactly (RecorderLog.h reads it):
//   program      the running program's own path
//   commandline  the full command line as the system gave it
//   arg          one per argument, argv[0] first, as the C runtime split them
//   end          (empty) the record is complete
// Without QL_RECORDER_LOG the program does nothing.
#include "syshelp/WinHandles.h"

#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

std::string EnvironmentValue(const char* name) {
    std::string value(MAX_PATH, '\0');
    DWORD length = GetEnvironmentVariableA(name, value.data(), static_cast<DWORD>(value.size()));
    if (length >= value.size()) {
        value.resize(length);
        length = GetEnvironmentVariableA(name, value.data(), length);
    }
    value.resize(length < value.size() ? length : 0);
    return value;
}

std::string OwnPath() {
    std::string path(32768, '\0');
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    return path;
}

void AddField(std::string& record, const char* key, const std::string& value) {
    record += key;
    record += ' ';
    record += std::to_string(value.size());
    record += ':';
    record += value;
    record += '\n';
}

// Another recorder may be appending at the same moment; the file is opened
// for appending with sharing, and retried for a while if it is locked.
bool Append(const std::string& logPath, const std::string& record) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const acutils::UniqueFileHandle file(
            CreateFileA(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.IsValid()) {
            DWORD written = 0;
            const BOOL ok = WriteFile(file.Get(), record.data(), static_cast<DWORD>(record.size()),
                                      &written, nullptr);
            return ok && written == record.size();
        }
        Sleep(50);
    }
    return false;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string logPath = EnvironmentValue("QL_RECORDER_LOG");
    if (logPath.empty()) return 0;

    std::string record;
    AddField(record, "program", OwnPath());
    AddField(record, "commandline", GetCommandLineA());
    for (int i = 0; i < __argc; ++i)
        AddField(record, "arg", __argv[i] ? __argv[i] : "");
    AddField(record, "end", "");
    return Append(logPath, record) ? 0 : 1;
}
