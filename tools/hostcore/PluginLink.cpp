#include "tools/hostcore/PluginLink.h"

namespace karusello::hostsim {

namespace fs = std::filesystem;

fs::path InstallPlugin(const fs::path& plugin, const fs::path& hostFolder, PluginLinkKind* kind) {
    const fs::path target = hostFolder / plugin.filename();
    PluginLinkKind made = PluginLinkKind::AlreadyThere;
    std::error_code error;
    if (!fs::is_regular_file(plugin)) {
        throw fs::filesystem_error("the plug-in is no file", plugin,
                                   std::make_error_code(std::errc::no_such_file_or_directory));
    }
    if (fs::is_symlink(target) || !fs::equivalent(plugin, target, error)) {
        // A stale link or copy (or a symbolic link) would keep running the old program.
        fs::remove(target);
        fs::create_hard_link(plugin, target, error);
        made = PluginLinkKind::HardLink;
        if (error) {
            fs::copy_file(plugin, target, fs::copy_options::overwrite_existing);
            made = PluginLinkKind::Copy;
        }
    }
    if (kind != nullptr) {
        *kind = made;
    }
    return target;
}

} // namespace karusello::hostsim
