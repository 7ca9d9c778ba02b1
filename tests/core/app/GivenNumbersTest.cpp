#include "core/app/GivenNumbers.h"
#include "core/app/RandomSource.h"

#include <gtest/gtest.h>

#include <string>

namespace karusello {
namespace {

// The text list that the set stands in for: "Zahlen," and every given value with a comma.
class GivenNumbersText {
public:
    bool Contains(std::int32_t b) const {
        return text_.find("," + std::to_string(b) + ",") != std::string::npos;
    }
    void Add(std::int32_t b) { text_ += std::to_string(b) + ","; }

private:
    std::string text_ = "Zahlen,";
};

TEST(GivenNumbers, RefusesExactlyWhatTheTextSearchRefuses) {
    GivenNumbers set(200);
    GivenNumbersText text;
    for (std::int32_t v : {15, 51, 150}) {
        set.Add(v);
        text.Add(v);
    }
    EXPECT_FALSE(set.Contains(5));
    EXPECT_FALSE(text.Contains(5));
    EXPECT_FALSE(set.Contains(1));
    set.Add(5);
    text.Add(5);
    EXPECT_TRUE(set.Contains(5));
    EXPECT_TRUE(text.Contains(5));

    RandomSource random;
    GivenNumbers bigSet(500);
    GivenNumbersText bigText;
    for (int i = 0; i < 2000; ++i) {
        const auto b = static_cast<std::int32_t>(random.Next() * 500);
        ASSERT_EQ(bigSet.Contains(b), bigText.Contains(b)) << b;
        if (!bigSet.Contains(b)) {
            bigSet.Add(b);
            bigText.Add(b);
        }
    }
}

TEST(GivenNumbers, KnowsWhenEveryValueIsGiven) {
    GivenNumbers set(3);
    EXPECT_FALSE(set.Full());
    set.Add(0);
    set.Add(2);
    set.Add(2);
    EXPECT_FALSE(set.Full());
    set.Add(1);
    EXPECT_TRUE(set.Full());
}

TEST(RandomSource, StartsFromTheSameStateInEveryRunAndStaysBelowOne) {
    RandomSource first;
    RandomSource second;
    for (int i = 0; i < 1000; ++i) {
        const double r = first.Next();
        EXPECT_EQ(r, second.Next());
        EXPECT_GE(r, 0.0);
        EXPECT_LT(r, 1.0);
    }
}

} // namespace
} // namespace karusello
