#include "core/config/ConfigObjects.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

namespace karusello {
namespace {

std::vector<std::string> Names(const ConfigObjectCollection& items) {
    std::vector<std::string> names;
    for (const ConfigObjectPtr& item : items) {
        names.push_back(item->sName);
    }
    return names;
}

TEST(ConfigObjects, LooksNamesUpWithoutRegardToCase) {
    ConfigObjects texts;
    texts.NewItem("shInfo", "Null", "Erste Zeile", "[ $1 ]");
    ConfigObjectPtr item = texts.FindObject("shinfo");
    EXPECT_EQ(item->sName, "shInfo");
    EXPECT_EQ(item->sDescription, "Erste Zeile");
    EXPECT_EQ(texts.FindObject("SHINFO"), item);
    EXPECT_EQ(texts.FindObject("shInfo"), item);
    EXPECT_EQ(texts.AllObjects().Count(), 1u);
}

TEST(ConfigObjects, KeepsTheFirstItemOfAName) {
    ConfigObjects texts;
    texts.NewItem("Abbruch", "Null", "Abbrechen", "");
    texts.NewItem("ABBRUCH", "7", "Anders", "Anders");

    auto refused = std::make_shared<ConfigObject>();
    refused->sName = "abbruch";
    refused->vValue = "9";
    texts.Add(refused);

    EXPECT_EQ(texts.AllObjects().Count(), 1u);
    ConfigObjectPtr kept = texts.FindObject("Abbruch");
    EXPECT_EQ(kept->sName, "Abbruch");
    EXPECT_EQ(kept->sDescription, "Abbrechen");
    EXPECT_FALSE(kept->bTyp);
    EXPECT_NE(kept, refused);
    // The refused item has had its initial value taken all the same.
    EXPECT_EQ(refused->vInitValue, TextVariant("9"));
}

TEST(ConfigObjects, NewItemTakesOnlyTheExactNullAsNoText) {
    ConfigObjects texts;
    texts.NewItem("Abbruch", "Null", "Abbrechen", "");
    ConfigObjectPtr text = texts.FindObject("Abbruch");
    EXPECT_TRUE(text->vValue.EqualsText(""));
    EXPECT_TRUE(text->vDefault.EqualsText(""));
    EXPECT_FALSE(text->bTyp);

    texts.NewItem("x", "5", "", "");
    ConfigObjectPtr value = texts.FindObject("X");
    EXPECT_TRUE(value->bTyp);
    EXPECT_EQ(value->vValue, TextVariant("5"));
    EXPECT_EQ(value->vDefault, TextVariant("5"));
    EXPECT_EQ(value->vInitValue, TextVariant("5"));

    texts.NewItem("upper", "Null", "Null", "Null");
    texts.NewItem("lower", "null", "null", "NULL");
    EXPECT_EQ(texts.FindObject("upper")->sDescription, "");
    EXPECT_EQ(texts.FindObject("upper")->sDescriptionEx, "");
    ConfigObjectPtr lower = texts.FindObject("lower");
    EXPECT_EQ(lower->sDescription, "null");
    EXPECT_EQ(lower->sDescriptionEx, "NULL");
    EXPECT_EQ(lower->vValue, TextVariant("null"));
    EXPECT_TRUE(lower->bTyp);

    // No value at all is not a value item either.
    texts.NewItem("nothing", TextVariant());
    EXPECT_FALSE(texts.FindObject("nothing")->bTyp);
    EXPECT_TRUE(texts.FindObject("nothing")->vInitValue.IsEmpty());
}

TEST(ConfigObjects, AMissGivesAFreshBlankItemThatIsNotFiled) {
    ConfigObjects texts;
    texts.NewItem("Abbruch", "Null", "Abbrechen", "");
    ConfigObjectPtr first = texts.FindObject("gibtsnicht");
    ConfigObjectPtr second = texts.FindObject("gibtsnicht");
    ASSERT_TRUE(first);
    ASSERT_TRUE(second);
    EXPECT_NE(first, second);
    EXPECT_EQ(first->sName, "");
    EXPECT_EQ(first->sDescription, "");
    EXPECT_FALSE(first->bTyp);
    EXPECT_EQ(first->GetDescriptionEx("x"), "");

    first->sDescription = "verändert";
    EXPECT_EQ(texts.FindObject("gibtsnicht")->sDescription, "");
    EXPECT_EQ(texts.AllObjects().Count(), 1u);
}

TEST(ConfigObjects, KeepsRegistrationOrderAndSharesItsItems) {
    ConfigObjects texts;
    for (const char* name : {"shShuffle", "Abbruch", "Wiederherstellen", "shInfo"}) {
        texts.NewItem(name, "Null", name, "");
    }
    EXPECT_EQ(Names(texts.AllObjects()),
              (std::vector<std::string>{"shShuffle", "Abbruch", "Wiederherstellen", "shInfo"}));

    texts.FindObject("abbruch")->sDescription = "Schließen";
    ConfigObjectCollection& all = texts.AllObjects();
    EXPECT_EQ(&all, &texts.AllObjects());
    EXPECT_EQ((*std::next(all.begin()))->sDescription, "Schließen");

    // An item outlives the collection for as long as someone holds it.
    ConfigObjectPtr kept;
    {
        ConfigObjects shortLived;
        shortLived.NewItem("a", "1");
        kept = shortLived.FindObject("A");
    }
    EXPECT_EQ(kept->vValue, TextVariant("1"));
}

TEST(ConfigObjects, FoldsOnlyAsciiLettersInNames) {
    ConfigObjects texts;
    texts.NewItem("Größe", "1");
    EXPECT_EQ(texts.FindObject("GRößE")->sName, "Größe");
    // Non-ASCII letters keep their case, so these are different names.
    EXPECT_EQ(texts.FindObject("GRÖSSE")->sName, "");
    texts.NewItem("GRÖßE", "2");
    EXPECT_EQ(texts.AllObjects().Count(), 2u);
    texts.Add(nullptr);
    EXPECT_EQ(texts.AllObjects().Count(), 2u);
}

} // namespace
} // namespace karusello
