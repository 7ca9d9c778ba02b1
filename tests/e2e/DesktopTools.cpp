#include "DesktopTools.h"

#include <unistd.h>

namespace karusello::e2e {

bool ToolsAvailable() {
    return ::access(kSqlite3, X_OK) == 0 && ::access(kXdotool, X_OK) == 0;
}

std::string SkipReason(const test::XDisplay& x, bool withTools) {
    if (!x.Connected()) {
        return "needs an X server in DISPLAY";
    }
    if (withTools && !ToolsAvailable()) {
        return std::string("needs ") + kSqlite3 + " and " + kXdotool;
    }
    return {};
}

} // namespace karusello::e2e
