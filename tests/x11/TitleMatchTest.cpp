#include "x11/TitleMatch.h"

#include <gtest/gtest.h>

namespace karusello {
namespace {

std::vector<TitledWindow> Windows(std::vector<std::string> titles) {
    std::vector<TitledWindow> windows;
    xcb_window_t id = 100;
    for (auto& title : titles) {
        windows.push_back({id, id, std::move(title)});
        ++id;
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
    EXPECT_EQ(FindTitle({}, "Brisolan"), std::nullopt);
}

} // namespace
} // namespace karusello
