#pragma once

// The input format of the fuzz targets, easy to write by hand for the seed corpora: fields
// separated by the byte 0x1E (record separator). A field that is exactly the byte 0x1F stands
// for "no value" (an absent argument). The last field takes the rest of the input.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace karusello::fuzz {

inline constexpr char kSeparator = '\x1e';
inline constexpr std::string_view kAbsent = "\x1f";

inline std::vector<std::string_view> SplitFields(const std::uint8_t* data, std::size_t size,
                                                 std::size_t count) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> fields;
    while (fields.size() + 1 < count) {
        const auto at = rest.find(kSeparator);
        if (at == std::string_view::npos) {
            break;
        }
        fields.push_back(rest.substr(0, at));
        rest.remove_prefix(at + 1);
    }
    fields.push_back(rest);
    while (fields.size() < count) {
        fields.push_back(kAbsent);
    }
    return fields;
}

inline std::optional<std::string_view> Optional(std::string_view field) {
    if (field == kAbsent) {
        return std::nullopt;
    }
    return field;
}

// Fails the run loudly: libFuzzer keeps the input that got here.
[[noreturn]] inline void Fail(const char* what) {
    __builtin_fprintf(stderr, "property violated: %s\n", what);
    __builtin_trap();
}

inline void Check(bool holds, const char* what) {
    if (!holds) {
        Fail(what);
    }
}

} // namespace karusello::fuzz
