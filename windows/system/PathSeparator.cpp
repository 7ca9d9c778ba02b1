#include "core/os/PathSeparator.h"

namespace karusello::os {

char PathSeparator() {
    return '\\';
}

} // namespace karusello::os
