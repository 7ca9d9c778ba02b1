#include "tools/hostcore/HostIni.h"

#include "core/os/Utf8Path.h"
#include "tools/hostcore/Numbers.h"

#include <iostream>
#include <optional>
#include <stdexcept>

namespace karusello::hostsim {
namespace {

constexpr const char* messageSection = "Message";
constexpr const char* dbKey = "Handle.DB";
constexpr const char* djKey = "Handle.DJ";

} // namespace

HostIni::HostIni(const std::filesystem::path& hostFolder)
    : folder_(hostFolder), path_(hostFolder / "brisolan.ini") {
    toolBox_.INI_SetFilename(PathUtf8(path_), false);
}

void HostIni::PublishHandles(const WindowHandles& handles) {
    toolBox_.INI_WriteKeyValue(messageSection, dbKey, std::to_string(handles.db));
    toolBox_.INI_WriteKeyValue(messageSection, djKey, std::to_string(handles.dj));
    const WindowHandles written = ReadHandles();
    if (written.db != handles.db || written.dj != handles.dj) {
        throw std::runtime_error("cannot write the window handles to " + path_.string());
    }
}

void HostIni::WithdrawHandles(const WindowHandles& handles) {
    if (toolBox_.INI_GetKeyValue(messageSection, dbKey) == std::to_string(handles.db)) {
        toolBox_.INI_WriteKeyValue(messageSection, dbKey, std::nullopt);
    }
    if (toolBox_.INI_GetKeyValue(messageSection, djKey) == std::to_string(handles.dj)) {
        toolBox_.INI_WriteKeyValue(messageSection, djKey, std::nullopt);
    }
}

WindowHandles HostIni::ReadHandles() {
    const auto read = [this](const char* key) {
        const auto value = ParseInt32(toolBox_.INI_GetKeyValue(messageSection, key));
        return value && *value > 0 ? static_cast<std::uint32_t>(*value) : 0U;
    };
    return {read(dbKey), read(djKey)};
}

std::string HostIni::PluginMenuText(const std::string& exeName) {
    return toolBox_.INI_GetKeyValue("PLUGIN_Menu", exeName, "Shuffle Playlist");
}

std::filesystem::path HostIni::DatabasePath() {
    const std::string named = toolBox_.INI_GetKeyValue("Global", "DBName");
    std::error_code error;
    if (!named.empty() && std::filesystem::is_regular_file(Utf8Path(named), error)) {
        return Utf8Path(named);
    }
    return folder_ / "brisolan.mdb";
}

PublishedHandles::PublishedHandles(HostIni& ini, const WindowHandles& handles,
                                   std::string hostName)
    : ini_(ini), handles_(handles), hostName_(std::move(hostName)) {
    ini_.PublishHandles(handles_);
}

PublishedHandles::~PublishedHandles() {
    try {
        ini_.WithdrawHandles(handles_);
    } catch (const std::exception& error) {
        std::cerr << hostName_ << ": " << error.what() << std::endl;
    }
}

} // namespace karusello::hostsim
