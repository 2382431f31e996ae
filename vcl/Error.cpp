#include "Error.h"

namespace vcl {

Error::Error(std::string message) : message_(std::move(message)), failed_(true) {
    if (message_.empty()) message_ = "unknown error";
}

Error Error::WithContext(const std::string& context) const {
    if (!failed_) return *this;
    return Error(context + ": " + message_);
}

Error OutOfMemory(size_t bytes, const std::string& what) {
    return Error("out of memory: cannot allocate " + std::to_string(bytes) + " bytes for " + what);
}

} // namespace vcl
