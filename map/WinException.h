#pragma once

#include <stdexcept>
#include <string>

namespace brambex {

// The program's one exception type: a system error code and a text for the user.
class WinException : public std::runtime_error {
public:
    WinException(int code, const std::string& text) : std::runtime_error(text), code_(code) {}
    int code() const noexcept { return code_; }
    std::string text() const { return what(); }

private:
    int code_;
};

// Raised when a picture or other large block cannot be allocated.
[[noreturn]] void throwOutOfMemory();

}  // namespace brambex
