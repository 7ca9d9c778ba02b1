#pragma once

#include "tools/hostcore/HostFrontEnd.h"
#include "tools/winhost/Plumbing.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace karusello::hostsim {

// Starts the plug-in as the host does: a process of its own (CreateProcessW) that runs on when
// the host ends, in the host folder, with the arguments on its command line after its path,
// quoted unless quotePath is false (as some hosts write it). Its standard input and output are the
// null device, so that it never reads the host's commands or writes into the host's answers; its
// error output is the host's. The host keeps each process's handle and reports its end with its
// exit code through the plumbing, so that a test learns how every start ended.
class Win32PluginStarter : public PluginStarter {
public:
    Win32PluginStarter(PlumbingTarget plumbing, bool quotePath);
    ~Win32PluginStarter() override;
    Win32PluginStarter(const Win32PluginStarter&) = delete;
    Win32PluginStarter& operator=(const Win32PluginStarter&) = delete;

    std::int64_t Start(const std::filesystem::path& program,
                       const std::vector<std::string>& arguments,
                       const std::filesystem::path& workingFolder) override;

    // One started process, watched until it ends.
    struct Watch;

private:
    PlumbingTarget plumbing_;
    bool quotePath_;
    std::vector<std::unique_ptr<Watch>> watches_;
};

} // namespace karusello::hostsim
