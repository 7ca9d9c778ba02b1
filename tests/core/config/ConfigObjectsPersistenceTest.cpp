#include "core/config/ConfigObjects.h"
#include "core/config/ProgramLocation.h"
#include "tests/core/config/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace karusello {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// A program folder of its own for each test, inside a parent folder that is checked too.
class ConfigObjectsPersistence : public ::testing::Test {
protected:
    ConfigObjectsPersistence() : location_(MakeFolder(folder_)) { texts.sIniFile = "texts.ini"; }

    static std::string MakeFolder(const std::string& folder) {
        fs::create_directory(folder);
        return folder;
    }

    std::string IniPath() const { return folder_ + "/" + texts.sIniFile; }

    void WriteIni(const std::string& content) const { WriteBytes(IniPath(), content); }
    std::string ReadIni() const { return ReadBytes(IniPath()); }

    // The value of a key as the file holds it; nullopt when the key is not in the section.
    // Section and key names are matched without regard to case, as the INI functions do.
    std::optional<std::string> Entry(const std::string& section, const std::string& key) const {
        std::istringstream lines(ReadIni());
        std::string line;
        bool inSection = false;
        while (std::getline(lines, line)) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            if (!line.empty() && line.front() == '[') {
                inSection = Same(line, "[" + section + "]");
            } else if (auto eq = line.find('='); inSection && eq != std::string::npos) {
                if (Same(line.substr(0, eq), key)) {
                    return line.substr(eq + 1);
                }
            }
        }
        return std::nullopt;
    }
    // Whether the key is written with exactly this spelling of its name.
    bool KeySpelled(const std::string& key) const {
        return ReadIni().find("\n" + key + "=") != std::string::npos;
    }

    static bool Same(const std::string& a, const std::string& b) {
        return a.size() == b.size() &&
               std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return std::tolower(static_cast<unsigned char>(x)) ==
                          std::tolower(static_cast<unsigned char>(y));
               });
    }

    std::vector<std::string> Listing(const fs::path& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    TempFolder parent_;
    std::string folder_ = parent_.File("host");
    ScopedProgramLocation location_;
    ConfigObjects texts;
};

TEST_F(ConfigObjectsPersistence, SavesAndLoadsValuesUnderTheRegisteredName) {
    texts.NewItem("shInfo", "3");
    texts.SaveValue(*texts.FindObject("SHINFO"));
    EXPECT_EQ(Entry("Value", "shInfo"), "3");
    EXPECT_TRUE(KeySpelled("shInfo"));

    WriteIni("[Value]\r\nSHINFO=4\r\n");
    ConfigObjectPtr loaded = texts.LoadValue("shinfo");
    EXPECT_EQ(loaded, texts.FindObject("shInfo"));
    EXPECT_EQ(loaded->vValue, TextVariant("4"));
    EXPECT_EQ(loaded->vInitValue, TextVariant("4"));
    EXPECT_EQ(loaded->vDefault, TextVariant("3"));

    // A text item's value is loaded too; an empty entry gives its (empty) default.
    texts.NewItem("Abbruch", "Null", "Abbrechen");
    WriteIni("[Value]\r\nAbbruch=geladen\r\nshInfo=\r\n");
    EXPECT_EQ(texts.LoadValue("abbruch")->vValue, TextVariant("geladen"));
    EXPECT_EQ(texts.LoadValue("shInfo")->vValue, TextVariant("3"));
}

TEST_F(ConfigObjectsPersistence, OnlyValueItemsAreSavedBySaveValue) {
    texts.NewItem("Abbruch", "Null", "Abbrechen");
    ConfigObjectPtr item = texts.FindObject("Abbruch");
    item->vValue = "gesetzt";

    texts.SaveValue(*item);
    EXPECT_EQ(Entry("Value", "Abbruch"), std::nullopt);

    texts.SaveValueByName("ABBRUCH");
    EXPECT_EQ(Entry("Value", "Abbruch"), "gesetzt");

    item->vValue = "wieder";
    texts.SaveAllValue();
    EXPECT_EQ(Entry("Value", "Abbruch"), "wieder");

    // SaveValueByName writes an empty value as an empty entry rather than removing it.
    item->vValue = TextVariant();
    texts.SaveValueByName("abbruch");
    EXPECT_EQ(Entry("Value", "Abbruch"), "");
}

TEST_F(ConfigObjectsPersistence, SaveAllValueRemovesEmptyValuesAndKeepsOtherKeys) {
    WriteIni("[Value]\r\nfremd=bleibt\r\nleer=alt\r\nvoll=alt\r\n[Andere]\r\nleer=bleibt\r\n");
    texts.NewItem("leer", "1");
    texts.NewItem("voll", "5");
    texts.FindObject("leer")->vValue = "";

    texts.SaveAllValue();
    EXPECT_EQ(Entry("Value", "leer"), std::nullopt);
    EXPECT_EQ(Entry("Value", "voll"), "5");
    EXPECT_EQ(Entry("Value", "fremd"), "bleibt");
    EXPECT_EQ(Entry("Andere", "leer"), "bleibt");
}

TEST_F(ConfigObjectsPersistence, SaveAllLangWritesTheThreeTextSectionsUnconverted) {
    WriteIni("[DescriptionEx]\r\nAbbruch=alt\r\nfremd=bleibt\r\n[ToolTip]\r\nAbbruch=alt\r\n");
    texts.NewItem("Abbruch", "Null", "Abbrechen $1", "");
    texts.NewItem("shInfo", "Null", "", "Zeile [ $1 ]\\nmehr");
    texts.FindObject("shInfo")->sToolTip = "Tipp";

    texts.SaveAllLang();
    EXPECT_EQ(Entry("Description", "Abbruch"), "Abbrechen $1");
    EXPECT_EQ(Entry("DescriptionEx", "Abbruch"), std::nullopt);
    EXPECT_EQ(Entry("ToolTip", "Abbruch"), std::nullopt);
    EXPECT_EQ(Entry("DescriptionEx", "fremd"), "bleibt");

    EXPECT_EQ(Entry("Description", "shInfo"), std::nullopt);
    EXPECT_EQ(Entry("DescriptionEx", "shInfo"), "Zeile [ $1 ]\\nmehr");
    EXPECT_EQ(Entry("ToolTip", "shInfo"), "Tipp");
    // Texts are never written to the value section.
    EXPECT_EQ(Entry("Value", "Abbruch"), std::nullopt);
}

TEST_F(ConfigObjectsPersistence, LoadAllValueFallsBackToDefaultsForValueItemsOnly) {
    texts.NewItem("fehlt", "5");
    texts.NewItem("leer", "6");
    texts.NewItem("da", "7");
    texts.NewItem("text", "Null", "Text");
    for (const char* name : {"fehlt", "leer", "da", "text"}) {
        texts.FindObject(name)->vValue = "vorher";
    }
    WriteIni("[Value]\r\nleer=\r\nda=aus der Datei\r\ntext=aus der Datei\r\n");

    texts.LoadAllValue();
    EXPECT_EQ(texts.FindObject("fehlt")->vValue, TextVariant("5"));
    EXPECT_EQ(texts.FindObject("fehlt")->vInitValue, TextVariant("5"));
    EXPECT_EQ(texts.FindObject("leer")->vValue, TextVariant("6"));
    EXPECT_EQ(texts.FindObject("da")->vValue, TextVariant("aus der Datei"));
    EXPECT_EQ(texts.FindObject("da")->vInitValue, TextVariant("aus der Datei"));
    EXPECT_EQ(texts.FindObject("text")->vValue, TextVariant("vorher"));

    // Without a file at all every value item gets its default.
    texts.sIniFile = "gibtsnicht.ini";
    texts.FindObject("da")->vValue = "vorher";
    texts.LoadAllValue();
    EXPECT_EQ(texts.FindObject("da")->vValue, TextVariant("7"));
    EXPECT_FALSE(fs::exists(IniPath()));
}

TEST_F(ConfigObjectsPersistence, UnregisteredNamesLeaveTheFileAlone) {
    const std::string content = "[Value]\r\na=1\r\n";
    WriteIni(content);
    texts.NewItem("a", "1");

    ConfigObjectPtr loaded = texts.LoadValue("gibtsnicht");
    EXPECT_EQ(loaded->sName, "");
    EXPECT_TRUE(loaded->vValue.IsEmpty());
    EXPECT_NE(loaded, texts.FindObject("gibtsnicht"));
    texts.SaveValueByName("gibtsnicht");
    EXPECT_EQ(ReadIni(), content);
    EXPECT_EQ(texts.AllObjects().Count(), 1u);
}

TEST_F(ConfigObjectsPersistence, AnEmptyFileNameIsNoFile) {
    texts.NewItem("wert", "5");
    texts.FindObject("wert")->vValue = "9";
    texts.FindObject("wert")->sDescription = "Text";
    texts.sIniFile = "";

    texts.SaveValue(*texts.FindObject("wert"));
    texts.SaveAllValue();
    texts.SaveValueByName("wert");
    texts.SaveAllLang();
    EXPECT_TRUE(Listing(folder_).empty());
    EXPECT_EQ(Listing(parent_.Path()), std::vector<std::string>{"host"});

    EXPECT_EQ(texts.LoadValue("wert")->vValue, TextVariant("5"));
    texts.FindObject("wert")->vValue = "9";
    texts.LoadAllValue();
    EXPECT_EQ(texts.FindObject("wert")->vValue, TextVariant("5"));
}

TEST_F(ConfigObjectsPersistence, TakesTheFileNameAnewForEachOperation) {
    texts.NewItem("a", "1");
    texts.SaveAllValue();
    texts.sIniFile = "zwei.ini";
    texts.FindObject("a")->vValue = "2";
    texts.SaveAllValue();
    EXPECT_EQ(Entry("Value", "a"), "2");
    texts.sIniFile = "texts.ini";
    EXPECT_EQ(Entry("Value", "a"), "1");
}

TEST_F(ConfigObjectsPersistence, GetKeysGathersTaggedItemsOnce) {
    ConfigObjects untagged;
    untagged.NewItem("a", "1");
    ConfigObjectList& none = untagged.GetKeys();
    EXPECT_TRUE(none.empty());
    untagged.FindObject("a")->sTypeName = "keys";
    EXPECT_EQ(&untagged.GetKeys(), &none);
    EXPECT_TRUE(untagged.GetKeys().empty());

    for (const char* name : {"eins", "zwei", "drei", "vier", "fünf"}) {
        texts.NewItem(name, "1");
    }
    texts.FindObject("eins")->sTypeName = "Keys";
    texts.FindObject("zwei")->sTypeName = "key";
    texts.FindObject("drei")->sTypeName = "KEYS";
    texts.FindObject("vier")->sTypeName = "keys ";
    texts.FindObject("fünf")->sTypeName = "keys";
    ConfigObjectList& keys = texts.GetKeys();
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0], texts.FindObject("eins"));
    EXPECT_EQ(keys[1], texts.FindObject("drei"));
    EXPECT_EQ(keys[2], texts.FindObject("fünf"));

    texts.NewItem("später", "1");
    texts.FindObject("später")->sTypeName = "keys";
    EXPECT_EQ(&texts.GetKeys(), &keys);
    EXPECT_EQ(texts.GetKeys().size(), 3u);
    // Nothing of this touches a file.
    EXPECT_TRUE(Listing(folder_).empty());
}

} // namespace
} // namespace karusello
