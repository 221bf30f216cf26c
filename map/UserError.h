#pragma once

#include <optional>
#include <string>

namespace brambex {

// Something that went wrong, in the words the user is shown: a message box caption and its text
// ("File write error", "Unable to open ... for writing, is file set as read only?"). The core
// returns these; the shell decides how to show them.
struct UserError {
    std::string caption;
    std::string text;
};

// None after success, else what to tell the user.
using Failure = std::optional<UserError>;

}  // namespace brambex
