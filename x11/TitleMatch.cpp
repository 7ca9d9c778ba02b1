#include "x11/TitleMatch.h"

namespace karusello {

std::optional<std::size_t> FindTitle(const std::vector<TitledWindow>& windows,
                                     const std::string& title) {
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
