#pragma once

#include "core/config/ConfigObject.h"
#include "core/config/ConfigObjectCollection.h"
#include "core/config/TextVariant.h"

#include <memory>
#include <string>

namespace karusello {

class ToolBox;

// The keyed collection of text items. Items are filed under their name in upper case, so
// look-ups ignore case; iteration keeps the order of registration. The items' values and texts
// can be stored in, and the values loaded from, the INI file named by sIniFile.
class ConfigObjects {
public:
    ConfigObjects();
    ~ConfigObjects();
    ConfigObjects(const ConfigObjects&) = delete;
    ConfigObjects& operator=(const ConfigObjects&) = delete;

    // The INI file in the program's folder that the load and save operations use; read anew by
    // each of them. Empty means no file (see ConfigObjectsPersistence.cpp).
    std::string sIniFile;

    // Takes a copy of the item's value as its initial value, then files the item. A name that
    // is filed already (in any case) is refused without a word; the first item stays.
    void Add(const ConfigObjectPtr& cConfig);
    // Registers a new item; the exact text "Null" stands for no text in all three texts.
    void NewItem(const std::string& sName, const TextVariant& vValue, const std::string& sDesc = "",
                 const std::string& sDescEx = "");
    // The item filed under the name in any case; otherwise a new blank item that is not filed,
    // a separate one for each miss.
    ConfigObjectPtr FindObject(const std::string& sName) const;
    // The collection's own items, not a copy.
    ConfigObjectCollection& AllObjects() { return oItems; }

    // Writes a value item's value to section "Value"; other items are not written.
    void SaveValue(const ConfigObject& cConf);
    // Loads the named item's value from section "Value", its default where the key is missing.
    ConfigObjectPtr LoadValue(const std::string& sName);
    void LoadAllValue();
    // Writes every item's value to section "Value"; an empty value removes the item's key.
    void SaveAllValue();
    void SaveValueByName(const std::string& sName);
    // Writes description, extended description (unconverted) and tool tip of every item.
    void SaveAllLang();
    // The items tagged "keys" in any case, gathered at the first call and kept from then on.
    ConfigObjectList& GetKeys();

private:
    // The item filed under the name in any case; nullptr when there is none.
    ConfigObjectPtr Lookup(const std::string& sName) const;
    // Points the ToolBox at sIniFile; false when there is no file to use.
    bool SelectFile();
    void LoadInto(ConfigObject& item);

    ConfigObjectCollection oItems;
    std::unique_ptr<ConfigObjectList> oKeyItems;
    std::shared_ptr<ToolBox> oToolBox;
};

} // namespace karusello
