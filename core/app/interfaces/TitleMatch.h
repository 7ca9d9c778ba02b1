#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace karusello {

// The window that WindowSystem::AppActivate brings to the front for a title, among windows in
// the window system's order that each carry a title (UTF-8): the first whose title equals it,
// else the first whose title begins with it. Titles are compared byte for byte; case counts.
template <class Window>
std::optional<std::size_t> FindTitle(const std::vector<Window>& windows, const std::string& title) {
    std::optional<std::size_t> firstPrefix;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const std::string& candidate = windows[i].title;
        if (candidate == title) {
            return i;
        }
        if (!firstPrefix && candidate.starts_with(title)) {
            firstPrefix = i;
        }
    }
    return firstPrefix;
}

} // namespace karusello
