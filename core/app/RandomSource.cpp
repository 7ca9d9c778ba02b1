#include "core/app/RandomSource.h"

#include <charconv>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace karusello {

namespace {

std::optional<std::uint64_t> SeedFromEnvironment() {
    const char* text = std::getenv("KARUSELLO_RANDOM_SEED");
    if (text == nullptr) {
        return std::nullopt;
    }
    const char* end = text + std::strlen(text);
    std::uint64_t seed = 0;
    const auto [stop, error] = std::from_chars(text, end, seed);
    if (error != std::errc() || stop != end || stop == text) {
        return std::nullopt;
    }
    return seed;
}

// Two words of the system's random source. Where it has none to give, the clocks still make
// every start different.
std::uint64_t SeedFromSystem() {
    try {
        std::random_device device;
        return (static_cast<std::uint64_t>(device()) << 32) ^ device();
    } catch (const std::exception&) {
        const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
        const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
        return static_cast<std::uint64_t>(wall) ^ (static_cast<std::uint64_t>(steady) << 17);
    }
}

} // namespace

std::uint64_t RandomSource::SeedForThisRun() {
    if (const auto fixed = SeedFromEnvironment()) {
        return *fixed;
    }
    return SeedFromSystem();
}

} // namespace karusello
