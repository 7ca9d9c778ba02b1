#pragma once

#include <functional>

namespace karusello::bench {

// The peak resident memory, in bytes, of a child process that runs `work` and ends. The child
// is forked, so it starts with this process's memory; compare two children to see what the
// work itself added. wait4 gives the child's own peak (getrusage of all children would give the
// largest child of the whole run). Throws std::runtime_error when the work failed.
long long PeakBytesOfChild(const std::function<void()>& work);

} // namespace karusello::bench
