#pragma once

#include "core/config/ToolBox.h"

#include <string>
#include <vector>

namespace karusello {

// The host INI file, in the program's folder.
inline constexpr const char* kHostIniFile = "brisolan.ini";

// The plug-in's entry in the host INI file for the program of that name, in the order it is
// written: [PLUGIN] lists it, [PLUGIN_Menu] gives the host's menu text, [PLUGIN_Option] asks the
// host to start it with the playlist's number.
std::vector<ToolBox::KeyWrite> PluginEntry(const std::string& exeName);

} // namespace karusello
