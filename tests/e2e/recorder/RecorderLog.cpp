#include "RecorderLog.h"

#include "syshelp/WinHandles.h"

#include <windows.h>

#include <stdexcept>
#include <thread>

namespace recorder {

namespace {

std::string ReadWholeFile(const std::string& path) {
    const acutils::UniqueFileHandle file(::CreateFileA(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) return std::string();
    std::string contents;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        contents.append(buffer, got);
    return contents;
}

// One "<key> <length>:<bytes>\n" field at `pos`; false when the text ends
// before the field does (the recorder is still writing).
bool ReadField(const std::string& text, std::size_t& pos, std::string& key, std::string& value) {
    const auto blank = text.find(' ', pos);
    const auto colon = blank == std::string::npos ? blank : text.find(':', blank);
    if (colon == std::string::npos) return false;
    key = text.substr(pos, blank - pos);
    const std::string digits = text.substr(blank + 1, colon - blank - 1);
    if (digits.empty() || digits.size() > 9 ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        throw std::runtime_error("recorder log: bad field length '" + digits + "'");
    const std::size_t length = std::stoul(digits);
    if (text.size() < colon + 1 + length + 1) return false;
    if (text[colon + 1 + length] != '\n')
        throw std::runtime_error("recorder log: field '" + key + "' not ended by a line break");
    value = text.substr(colon + 1, length);
    pos = colon + 1 + length + 1;
    return true;
}

} // namespace

std::vector<RecordedCall> ReadRecorderLog(const std::string& logPath) {
    const std::string text = ReadWholeFile(logPath);
    std::vector<RecordedCall> calls;
    RecordedCall current;
    std::size_t pos = 0;
    std::string key;
    std::string value;
    while (pos < text.size() && ReadField(text, pos, key, value)) {
        if (key == "program") {
            current.program = value;
        } else if (key == "commandline") {
            current.commandLine = value;
        } else if (key == "arg") {
            current.args.push_back(value);
        } else if (key == "end") {
            calls.push_back(current);
            current = RecordedCall();
        } else {
            throw std::runtime_error("recorder log: unknown field '" + key + "'");
        }
    }
    return calls;
}

std::vector<RecordedCall> WaitForRecordedCalls(const std::string& logPath, std::size_t count,
                                               std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        std::vector<RecordedCall> calls = ReadRecorderLog(logPath);
        if (calls.size() >= count || std::chrono::steady_clock::now() >= deadline) return calls;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

} // namespace recorder
