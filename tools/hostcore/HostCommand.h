#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace karusello::hostsim {

// The commands of the standard-input interface.
enum class CommandKind {
    Show,       // show <nid>
    Order,      // order
    Rename,     // rename <nid> <name...>
    Grid,       // grid <nid> <number|null>
    Delete,     // delete <nid>
    Add,        // add <nid> <count>
    Remove,     // remove <nid> <count> [<position>]
    Shuffle,    // shuffle
    Handles,    // handles
    Close,      // close [DB|DJ]
    Screenshot, // screenshot <file.png>
};

// The host windows, as named in commands and in the message log.
enum class HostWindow { DB, DJ };

struct HostCommand {
    CommandKind kind = CommandKind::Order;
    std::int32_t nid = 0;
    std::int32_t count = 0;
    // grid: the value to store, none for NULL.
    std::optional<std::int32_t> grid;
    // remove: the 0-based position (in ascending plid) of the first entry removed; none for the
    // last count entries.
    std::optional<std::int32_t> position;
    // close: the one window to close; none closes both and ends the host.
    std::optional<HostWindow> window;
    // rename: the new name; screenshot: the file.
    std::string text;
};

// A line that is no valid command; the text says why.
class CommandError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// Reads one line of the command interface. Words are separated by blanks or tabs; the name of
// rename and the file of screenshot are the rest of the line with the blanks around it removed,
// so they may hold blanks themselves. Throws CommandError.
HostCommand ParseHostCommand(std::string_view line);

std::string_view WindowName(HostWindow window);

} // namespace karusello::hostsim
