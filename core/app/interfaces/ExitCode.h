#pragma once

namespace karusello {

// How the program ended; the process exit code.
enum class ExitCode : int {
    Normal = 0,          // cancel button or close box
    ErrorReport = 1,     // an error reached an event procedure and was reported
    Installed = 2,       // first run: the plug-in entry was written
    AnotherInstance = 3, // another instance runs; its window was activated
    NoHostWindow = 4,    // neither host window exists (at start or later, by the watchdog)
    NoPlaylistId = 5,    // the command line gave no playlist identifier
    PlaylistCheck = 6,   // the playlist is a grid playlist, has no row, or cannot be read
    CheckProblem = 7,    // --check: at least one item is a PROBLEM
};

// Thrown by the window's procedures where the program ends at once; the event dispatch turns it
// into the end of the process.
struct ProgramEnd {
    ExitCode code;
};

} // namespace karusello
