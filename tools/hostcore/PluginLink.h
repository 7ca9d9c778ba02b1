#pragma once

#include <filesystem>

namespace karusello::hostsim {

enum class PluginLinkKind { AlreadyThere, HardLink, Copy };

// Puts the plug-in executable into the host folder under its own file name, so that the
// plug-in, which finds the host's files from its own executable's folder, works on this host.
// A hard link is preferred; where none can be made (another file system) the file is copied.
// Never a symbolic link: the plug-in would resolve it to the build folder. An older file of
// that name is replaced, so a rebuilt plug-in is the one that runs. Returns the path in the
// host folder; throws std::filesystem::filesystem_error when neither works.
std::filesystem::path InstallPlugin(const std::filesystem::path& plugin,
                                    const std::filesystem::path& hostFolder,
                                    PluginLinkKind* kind = nullptr);

} // namespace karusello::hostsim
