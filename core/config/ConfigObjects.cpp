#include "core/config/ConfigObjects.h"

#include "core/config/ConfigObjectKey.h"
#include "core/config/ToolBox.h"

#include <memory>

namespace karusello {
namespace {

std::string NullAsEmpty(const std::string& text) {
    return text == "Null" ? std::string() : text;
}

} // namespace

ConfigObjects::ConfigObjects() : oToolBox(std::make_shared<ToolBox>()) {}

ConfigObjects::~ConfigObjects() = default;

void ConfigObjects::Add(const ConfigObjectPtr& cConfig) {
    if (!cConfig) {
        return;
    }
    // The refused item keeps its new initial value: it is set before the filing is tried.
    cConfig->vInitValue = cConfig->vValue;
    oItems.Add(ConfigObjectKey(cConfig->sName), cConfig);
}

void ConfigObjects::NewItem(const std::string& sName, const TextVariant& vValue,
                            const std::string& sDesc, const std::string& sDescEx) {
    const TextVariant value = vValue.EqualsText("Null") ? TextVariant("") : vValue;
    auto item = std::make_shared<ConfigObject>();
    item->sDescription = NullAsEmpty(sDesc);
    item->sDescriptionEx = NullAsEmpty(sDescEx);
    item->vValue = value;
    item->vDefault = value;
    item->sName = sName;
    item->bTyp = !value.EqualsText("");
    Add(item);
}

ConfigObjectPtr ConfigObjects::Lookup(const std::string& sName) const {
    return oItems.Find(ConfigObjectKey(sName));
}

ConfigObjectPtr ConfigObjects::FindObject(const std::string& sName) const {
    ConfigObjectPtr found = Lookup(sName);
    return found ? found : std::make_shared<ConfigObject>();
}

} // namespace karusello
