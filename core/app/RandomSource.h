#pragma once

#include <cstdint>
#include <random>

namespace karusello {

// The program's uniform random numbers in [0, 1). It is never seeded: every run starts from the
// same state, so two runs that shuffle a playlist of the same size first write the same values.
// The 64-bit Mersenne Twister's output for its default state is fixed by the C++ standard, and
// the conversion to [0, 1) is done here, so the sequence is the same on every platform.
class RandomSource {
public:
    double Next() {
        constexpr double scale = 1.0 / 9007199254740992.0; // 2^-53
        return static_cast<double>(engine_() >> 11) * scale;
    }

private:
    std::mt19937_64 engine_; // default state, deliberately
};

} // namespace karusello
