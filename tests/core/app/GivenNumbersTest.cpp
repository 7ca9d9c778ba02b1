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

    RandomSource random(20240607);
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

// A seed gives one sequence, so a test that fixes it knows what a shuffle writes.
TEST(RandomSource, OneSeedGivesOneSequenceBelowOne) {
    RandomSource first(42);
    RandomSource second(42);
    RandomSource other(43);
    int same = 0;
    for (int i = 0; i < 1000; ++i) {
        const double r = first.Next();
        EXPECT_EQ(r, second.Next());
        same += r == other.Next() ? 1 : 0;
        EXPECT_GE(r, 0.0);
        EXPECT_LT(r, 1.0);
    }
    EXPECT_EQ(same, 0);
}

// Every start of the program draws from another seed (the test runs without
// KARUSELLO_RANDOM_SEED): the system's random source, not a fixed state.
TEST(RandomSource, EveryRunHasASeedOfItsOwn) {
    const std::uint64_t first = RandomSource::SeedForThisRun();
    const std::uint64_t second = RandomSource::SeedForThisRun();
    const std::uint64_t third = RandomSource::SeedForThisRun();
    EXPECT_FALSE(first == second && second == third);
}

} // namespace
} // namespace karusello
