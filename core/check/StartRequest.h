#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace karusello::check {

// What the program was started for, read from its arguments. The host starts the plug-in with a
// playlist number; a technician starts it with an option as the first word.
enum class StartMode {
    Plugin,  // the plug-in's window on the playlist that the arguments name
    Check,   // --check [--write] [PLAYLIST]: the self-check, nothing changed
    Version, // --version: the program's version
};

struct CheckRequest {
    // --write: the write path is tried once on PLAYLIST inside a transaction that is rolled back.
    bool write = false;
    // The playlist to look at; none when no number was given, or the number 0.
    std::optional<std::int32_t> playlist;
    // Words that are neither an option of the check nor a playlist number.
    std::vector<std::string> unknown;
};

struct StartRequest {
    StartMode mode = StartMode::Plugin;
    CheckRequest check;
};

// Reads the arguments, given as one text (the command line after the program's own path, as
// both builds hand it to the window). Only a first word "--check" or "--version" leaves the
// plug-in's start; any other text is the plug-in's, read there by its own number rule. A
// playlist number of the check is read by that rule too.
StartRequest ReadStartRequest(const std::string& arguments);

} // namespace karusello::check
