#include "tools/hostsim/core/NullFrontEnd.h"

#include <stdexcept>

namespace karusello::hostsim {

void NullFrontEnd::Screenshot(const std::filesystem::path&) {
    throw std::runtime_error("no windows");
}

} // namespace karusello::hostsim
