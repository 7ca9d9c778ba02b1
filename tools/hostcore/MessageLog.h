#pragma once

#include "tools/hostcore/HostMessage.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace karusello::hostsim {

// "message window=DB handle=4194311 values=1042,211,0": the window by name (DB, DJ, or other
// for an event that names neither host window), the window id the event names, the values.
std::string FormatMessageLine(std::string_view windowName, const HostMessage& message);

// Where every received message is recorded: one line each on the console and, when a file is
// given, appended to it. Both are flushed after every line, so a test reading them sees the
// line as soon as the message has been handled.
class MessageLog {
public:
    // Throws std::runtime_error when the file cannot be opened for appending.
    MessageLog(std::ostream& console, const std::optional<std::filesystem::path>& file);

    void Record(const std::string& line);

private:
    std::ostream& console_;
    std::optional<std::ofstream> file_;
};

} // namespace karusello::hostsim
