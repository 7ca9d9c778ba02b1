#include "bench/DrawCount.h"

#include "core/app/GivenNumbers.h"
#include "core/app/RandomSource.h"

#include <cmath>

namespace karusello::bench {

long long CountDraws(std::int32_t entries) {
    const std::int32_t range = entries + 100;
    RandomSource random(1); // a fixed seed: the same count in every run
    GivenNumbers given(range);
    long long draws = 0;
    for (std::int32_t entry = 0; entry < entries; ++entry) {
        std::int32_t b = 0;
        do {
            b = static_cast<std::int32_t>(std::floor(random.Next() * range));
            b = b < range ? b : range - 1;
            ++draws;
        } while (given.Contains(b));
        given.Add(b);
    }
    return draws;
}

double ExpectedDraws(std::int32_t entries) {
    const double range = entries + 100.0;
    double sum = 0;
    for (std::int32_t k = 0; k < entries; ++k) {
        sum += range / (range - k);
    }
    return sum;
}

} // namespace karusello::bench
