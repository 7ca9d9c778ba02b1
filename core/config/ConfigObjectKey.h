#pragma once

#include <string>
#include <string_view>

namespace karusello {

// Case folding for item names and tags. Only the ASCII letters are folded; every other byte,
// among them those of UTF-8 sequences, stays as it is, so a folded text is still valid UTF-8.
inline std::string AsciiUpper(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return folded;
}

inline std::string AsciiLower(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return folded;
}

// The key under which the collection files an item and looks a name up.
inline std::string ConfigObjectKey(std::string_view name) {
    return AsciiUpper(name);
}

} // namespace karusello
