#pragma once

#include <optional>
#include <string>

namespace karusello::os {

// The full path of the running program's executable file, in UTF-8; nothing when the system
// cannot tell.
std::optional<std::string> ExecutablePath();

} // namespace karusello::os
