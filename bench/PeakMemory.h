#pragma once

#include "bench/HostDatabases.h"

#include <optional>

namespace karusello::bench {

// The peak resident memory, in bytes, of a fresh process of this program that loads the window
// on the host's large playlist and, with shuffle, shuffles it once (the first shuffle, which also
// saves the old order). A fresh process, not a fork: a forked child starts with this process's
// resident memory, freed blocks included, and would take its allocations from there without
// growing. The child reads its own peak (VmHWM, which belongs to its address space and starts
// anew at exec; ru_maxrss would carry over the peak from before the exec). Throws
// std::runtime_error when the child failed.
long long PeakBytesOfFreshProcess(const BenchHost& host, bool shuffle);

// The child's side: when the command line asks for a measured child, runs it and gives the exit
// code; nothing otherwise.
std::optional<int> RunMemoryChild(int argc, char** argv);

} // namespace karusello::bench
