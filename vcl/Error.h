// The one error type of the form streaming and storage code: a failure with
// one line of text saying what was wrong, returned up the call chain.
//
//     if (Error error = reader.ReadU32(count, "count"))
//         return error;
//
// A default-constructed Error means success; any other carries a message.
#pragma once

#include <string>

namespace vcl {

class [[nodiscard]] Error {
public:
    Error() = default;
    explicit Error(std::string message);

    bool Failed() const { return failed_; }
    explicit operator bool() const { return failed_; }
    const std::string& Message() const { return message_; }

    // Puts context in front of the message ("acFileStorage1.StoredData: ").
    Error WithContext(const std::string& context) const;

private:
    std::string message_;
    bool failed_ = false;
};

// A short "out of memory" error for a failed allocation of `bytes`.
Error OutOfMemory(size_t bytes, const std::string& what);

} // namespace vcl
