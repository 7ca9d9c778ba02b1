#pragma once

#include "tools/winhost/Plumbing.h"

namespace karusello::hostsim {

// Reads the command interface from standard input on a thread of its own, so that the windows
// never wait for input, and hands every complete line to the main thread. At the end of the
// input the host goes on running (a script may start it with no input at all); a last line
// without a line feed is handed on then. The thread stays blocked in its read until the
// process ends.
void StartCommandInput(PlumbingTarget plumbing);

} // namespace karusello::hostsim
