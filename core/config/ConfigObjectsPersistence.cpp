// Storing the items of a ConfigObjects in its INI file and loading their values back.
//
// The file is sIniFile in the program's folder. An empty sIniFile names no file at all: the
// path would be the program's folder itself plus a separator. Rather than hand that to the INI
// functions, which would write a file named like the folder beside it, the operations then take
// it as a file that does not exist and cannot be written: loads give the items' defaults, saves
// write nothing.

#include "core/config/ConfigObjectKey.h"
#include "core/config/ConfigObjects.h"
#include "core/config/ToolBox.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace karusello {
namespace {

const char* const ValueSection = "Value";

// An empty text is stored as no entry at all: the key is removed.
std::optional<std::string> EntryFor(const std::string& text) {
    return text.empty() ? std::nullopt : std::optional<std::string>(text);
}

} // namespace

bool ConfigObjects::SelectFile() {
    oToolBox->INI_SetFilename(sIniFile, true);
    return !sIniFile.empty();
}

void ConfigObjects::LoadInto(ConfigObject& item) {
    const std::string fallback = item.vDefault.AsText();
    item.vValue =
        sIniFile.empty() ? fallback : oToolBox->INI_GetKeyValue(ValueSection, item.sName, fallback);
    item.vInitValue = item.vValue;
}

void ConfigObjects::SaveValue(const ConfigObject& cConf) {
    if (!SelectFile()) {
        return;
    }
    if (cConf.bTyp) {
        oToolBox->INI_WriteKeyValue(ValueSection, cConf.sName, cConf.vValue.AsText());
    }
}

ConfigObjectPtr ConfigObjects::LoadValue(const std::string& sName) {
    SelectFile();
    ConfigObjectPtr item = Lookup(sName);
    // An unregistered name has no key to read: its blank item is handed back as it is.
    if (!item) {
        return std::make_shared<ConfigObject>();
    }
    LoadInto(*item);
    return item;
}

void ConfigObjects::LoadAllValue() {
    SelectFile();
    for (const ConfigObjectPtr& item : oItems) {
        if (item->bTyp) {
            LoadInto(*item);
        }
    }
}

void ConfigObjects::SaveAllValue() {
    if (!SelectFile()) {
        return;
    }
    for (const ConfigObjectPtr& item : oItems) {
        oToolBox->INI_WriteKeyValue(ValueSection, item->sName, EntryFor(item->vValue.AsText()));
    }
}

void ConfigObjects::SaveValueByName(const std::string& sName) {
    ConfigObjectPtr item = Lookup(sName);
    if (!SelectFile() || !item) {
        // An unregistered name would write an entry without a key name: the file stays as it is.
        return;
    }
    oToolBox->INI_WriteKeyValue(ValueSection, item->sName, item->vValue.AsText());
}

void ConfigObjects::SaveAllLang() {
    if (!SelectFile()) {
        return;
    }
    for (const ConfigObjectPtr& item : oItems) {
        oToolBox->INI_WriteKeyValue("Description", item->sName, EntryFor(item->sDescription));
        oToolBox->INI_WriteKeyValue("DescriptionEx", item->sName, EntryFor(item->sDescriptionEx));
        oToolBox->INI_WriteKeyValue("ToolTip", item->sName, EntryFor(item->sToolTip));
    }
}

ConfigObjectList& ConfigObjects::GetKeys() {
    if (!oKeyItems) {
        auto tagged = std::make_unique<ConfigObjectList>();
        for (const ConfigObjectPtr& item : oItems) {
            if (AsciiLower(item->sTypeName) == "keys") {
                tagged->push_back(item);
            }
        }
        oKeyItems = std::move(tagged);
    }
    return *oKeyItems;
}

} // namespace karusello
