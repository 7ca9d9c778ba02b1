#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace karusello {

// A path given in the program's UTF-8 as a file-system path: on Windows the system's wide
// characters rather than the ANSI code page, elsewhere the same bytes.
inline std::filesystem::path Utf8Path(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// A file-system path as UTF-8.
inline std::string PathUtf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace karusello
