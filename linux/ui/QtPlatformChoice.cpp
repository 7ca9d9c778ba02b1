#include "linux/ui/QtPlatformChoice.h"

#include <cstdlib>

namespace karusello {

namespace {
bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}
} // namespace

void ChooseQtPlatform() {
    if (IsSet("QT_QPA_PLATFORM")) {
        return;
    }
    setenv("QT_QPA_PLATFORM", IsSet("DISPLAY") ? "xcb" : "offscreen", 1);
}

} // namespace karusello
