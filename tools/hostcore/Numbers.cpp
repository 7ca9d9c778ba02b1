#include "tools/hostcore/Numbers.h"

#include <charconv>

namespace karusello::hostsim {

std::optional<std::int32_t> ParseInt32(std::string_view text) {
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace karusello::hostsim
