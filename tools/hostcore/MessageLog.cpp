#include "tools/hostcore/MessageLog.h"

#include <stdexcept>

namespace karusello::hostsim {

std::string FormatMessageLine(std::string_view windowName, const HostMessage& message) {
    std::string line = "message window=";
    line += windowName;
    line += " handle=" + std::to_string(message.window) + " values=";
    for (std::size_t i = 0; i < message.values.size(); ++i) {
        line += (i == 0 ? "" : ",") + std::to_string(message.values[i]);
    }
    return line;
}

MessageLog::MessageLog(std::ostream& console, const std::optional<std::filesystem::path>& file)
    : console_(console) {
    if (file) {
        // Binary: the same bytes on every platform, one line feed a line.
        file_.emplace(*file, std::ios::out | std::ios::app | std::ios::binary);
        if (!*file_) {
            throw std::runtime_error("cannot open the log file " + file->string());
        }
    }
}

void MessageLog::Record(const std::string& line) {
    console_ << line << std::endl;
    if (file_) {
        *file_ << line << std::endl;
    }
}

} // namespace karusello::hostsim
