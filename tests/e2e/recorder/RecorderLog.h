// Reading what the recorder (Recorder.cpp) wrote: one call per start of the
// recorder, in the order they were appended. Windows test support.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace recorder {

struct RecordedCall {
    std::string program;           // the recorder's own path
    std::string commandLine;       // as the system gave it
    std::vector<std::string> args; // argv, argv[0] first
};

// The complete records of the log; a record still being written, or a
// missing log, contributes nothing. A log that is not in the recorder's
// format throws std::runtime_error.
std::vector<RecordedCall> ReadRecorderLog(const std::string& logPath);

// Reads the log until it holds at least `count` calls or `timeout` has
// passed, and returns what it holds then. The shell returns before the
// program it started has run, so tests wait here.
std::vector<RecordedCall> WaitForRecordedCalls(const std::string& logPath, std::size_t count,
                                               std::chrono::milliseconds timeout);

} // namespace recorder
