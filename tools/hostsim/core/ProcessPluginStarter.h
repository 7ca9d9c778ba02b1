#pragma once

#include "tools/hostcore/HostFrontEnd.h"

namespace karusello::hostsim {

// Starts the plug-in detached, as the host does: it runs on when the host ends. Its standard
// input and output are the null device, so that it never reads the host's commands or writes
// into the host's answers; its error output is the host's.
class ProcessPluginStarter : public PluginStarter {
public:
    std::int64_t Start(const std::filesystem::path& program,
                       const std::vector<std::string>& arguments,
                       const std::filesystem::path& workingFolder) override;
};

} // namespace karusello::hostsim
