#include "core/config/ConfigObject.h"

#include <gtest/gtest.h>

namespace karusello {
namespace {

ConfigObject WithTexts(const std::string& description, const std::string& extended) {
    ConfigObject item;
    item.sDescription = description;
    item.sDescriptionEx = extended;
    return item;
}

TEST(TextVariant, NothingReadsAndComparesAsTheEmptyText) {
    TextVariant nothing;
    EXPECT_TRUE(nothing.IsEmpty());
    EXPECT_EQ(nothing.AsText(), "");
    EXPECT_TRUE(nothing.EqualsText(""));
    EXPECT_FALSE(nothing.EqualsText("Null"));

    TextVariant empty("");
    EXPECT_FALSE(empty.IsEmpty());
    EXPECT_TRUE(empty.EqualsText(""));
    EXPECT_NE(empty, nothing);

    const char* none = nullptr;
    EXPECT_TRUE(TextVariant(none).IsEmpty());
    EXPECT_EQ(TextVariant(std::string("5")).AsText(), "5");
}

TEST(ConfigObject, StartsBlank) {
    ConfigObject item;
    for (const std::string* text : {&item.sName, &item.sToolTip, &item.sTypeName, &item.sImage,
                                    &item.sDescription, &item.sDescriptionEx}) {
        EXPECT_EQ(*text, "");
    }
    EXPECT_TRUE(item.vValue.IsEmpty());
    EXPECT_TRUE(item.vInitValue.IsEmpty());
    EXPECT_TRUE(item.vDefault.IsEmpty());
    EXPECT_FALSE(item.bTyp);
    EXPECT_EQ(item.GetDescription("x"), "");
    EXPECT_EQ(item.GetDescriptionEx("x"), "");
}

TEST(ConfigObject, NullStandsForNoTextOnlyWhenExact) {
    ConfigObject item = WithTexts("Null", "Null");
    EXPECT_EQ(item.GetDescription("a", "b", "c", "d"), "");
    EXPECT_EQ(item.GetDescriptionEx("a", "b", "c", "d"), "");

    ConfigObject lower = WithTexts("null", "NULL $1");
    EXPECT_EQ(lower.GetDescription(), "null");
    EXPECT_EQ(lower.GetDescriptionEx("x"), "NULL x");
    // "Null" as part of a longer text is ordinary text.
    EXPECT_EQ(WithTexts("", "Null$1").GetDescriptionEx("!"), "Null!");
}

TEST(ConfigObject, LineBreaksComeOnlyFromTheStoredText) {
    ConfigObject item = WithTexts("a\\nb", "[$1]\\n");
    EXPECT_EQ(item.GetDescription(), "a\nb");
    EXPECT_EQ(item.GetDescriptionEx("c\\nd"), "[c\\nd]\n");
    // The fields themselves keep the two characters.
    EXPECT_EQ(item.sDescription, "a\\nb");
    EXPECT_EQ(item.sDescriptionEx, "[$1]\\n");
    // A single backslash or a lone n stays; a doubled backslash gives one backslash, line feed.
    EXPECT_EQ(WithTexts("\\ n\\", "").GetDescription(), "\\ n\\");
    EXPECT_EQ(WithTexts("\\\\n", "").GetDescription(), "\\\n");
}

TEST(ConfigObject, PlaceholdersAreFilledInOrderOncePerPass) {
    EXPECT_EQ(WithTexts("", "[$1]").GetDescriptionEx("$2", "x"), "[x]");
    EXPECT_EQ(WithTexts("", "$10").GetDescriptionEx("x"), "x0");
    // A pass does not rescan its own insertions, and never goes back to an earlier number.
    EXPECT_EQ(WithTexts("", "$1").GetDescriptionEx("$1$1"), "$1$1");
    EXPECT_EQ(WithTexts("", "$2|$1").GetDescriptionEx("$2", "$1"), "$1|$1");
    EXPECT_EQ(WithTexts("", "$1 $2 $3 $4 $1").GetDescriptionEx("a", "b", "c", "d"), "a b c d a");
    // Defaults remove their placeholders; other dollar texts stay.
    EXPECT_EQ(WithTexts("", "<$1$2$3$4>").GetDescriptionEx(), "<>");
    EXPECT_EQ(WithTexts("", "$5 $$1 $").GetDescriptionEx("1"), "$5 $1 $");
    EXPECT_EQ(WithTexts("$1", "").GetDescription("Rock"), "Rock");
}

TEST(ConfigObject, FillsTheInformationLineTemplate) {
    ConfigObject info = WithTexts("Erste Zeile", "Zur Zeit ist dies die Playliste [ $1 ] ");
    EXPECT_EQ(info.GetDescriptionEx("Rock"), "Zur Zeit ist dies die Playliste [ Rock ] ");
    EXPECT_EQ(info.GetDescriptionEx(TextVariant()), "Zur Zeit ist dies die Playliste [  ] ");
}

} // namespace
} // namespace karusello
