#include "core/config/HostIni.h"

namespace karusello {

std::vector<ToolBox::KeyWrite> PluginEntry(const std::string& exeName) {
    return {{"PLUGIN", exeName, exeName},
            {"PLUGIN_Menu", exeName, "Shuffle Playlist"},
            {"PLUGIN_Option", exeName, "PNID"}};
}

} // namespace karusello
