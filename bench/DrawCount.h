#pragma once

#include <cstdint>

namespace karusello::bench {

// The draws of a program's first shuffle of `entries` entries: the same random source from its
// fixed start, the same range (entries + 100) and the same refusal of values given before, so
// the count is exactly the one the program makes.
long long CountDraws(std::int32_t entries);

// What the draws cost on average: with N = entries + 100, the k-th entry needs N / (N - k) draws
// on average, N * (H(N) - H(100)) in all, close to N * ln(N / 100).
double ExpectedDraws(std::int32_t entries);

} // namespace karusello::bench
