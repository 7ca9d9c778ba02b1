#pragma once

#include <cstdint>
#include <random>

namespace karusello {

// The program's uniform random numbers in [0, 1). The 64-bit Mersenne Twister's output for a
// seed is fixed by the C++ standard, and the conversion to [0, 1) is done here, so one seed
// gives the same sequence on every platform.
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed) : engine_(seed) {}

    // The seed of one run of the program: new at every start, from the system's random source,
    // so that a station that shuffles the same playlist every morning gets a new order every
    // day. KARUSELLO_RANDOM_SEED=<decimal number> in the environment gives that number instead,
    // for tests that must know the order a run writes.
    static std::uint64_t SeedForThisRun();

    double Next() {
        constexpr double scale = 1.0 / 9007199254740992.0; // 2^-53
        return static_cast<double>(engine_() >> 11) * scale;
    }

private:
    std::mt19937_64 engine_;
};

} // namespace karusello
