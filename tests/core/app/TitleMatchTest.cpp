#include "core/app/interfaces/TitleMatch.h"

#include <gtest/gtest.h>

namespace karusello {
namespace {

// What a window system's adapter lists: a window and its title.
struct Window {
    int id = 0;
    std::string title;
};

std::vector<Window> Windows(std::vector<std::string> titles) {
    std::vector<Window> windows;
    int id = 100;
    for (auto& title : titles) {
        windows.push_back({id++, std::move(title)});
    }
    return windows;
}

TEST(TitleMatch, ExactTitleFirstThenTheFirstPrefix) {
    const auto windows = Windows({"Brisolan", "Brisolan Karusello 2", "Brisolan Karusello",
                                  "Brisolan Karusello 3", "brisolan karusello"});
    EXPECT_EQ(FindTitle(windows, "Brisolan Karusello"), 2u);
    EXPECT_EQ(FindTitle(windows, "Brisolan Karusello "), 1u);
    EXPECT_EQ(FindTitle(windows, "Brisolan"), 0u);
    EXPECT_EQ(FindTitle(windows, "brisolan"), 4u);
    EXPECT_EQ(FindTitle(windows, "Brisolan Karusello 4"), std::nullopt);
    EXPECT_EQ(FindTitle(windows, "Karusello"), std::nullopt);
    EXPECT_EQ(FindTitle(std::vector<Window>{}, "Brisolan"), std::nullopt);
}

} // namespace
} // namespace karusello
