#pragma once

#include "core/config/TextVariant.h"

#include <string>

namespace karusello {

// One text item: a name, display texts and an optional value. Users read and write the fields
// directly; the collection that holds the item files it under its name.
class ConfigObject {
public:
    std::string sName;
    std::string sToolTip;
    std::string sTypeName;
    std::string sImage;
    std::string sDescription;
    // A template that may hold "$1" to "$4" and backslash + n for a line break.
    std::string sDescriptionEx;
    TextVariant vValue;
    TextVariant vInitValue;
    TextVariant vDefault;
    // True for a value item: its registered value was not empty.
    bool bTyp = false;

    // The display text with backslash + n turned into a line feed and "$1".."$4" filled in.
    // A stored "Null" or empty text gives "". The field itself stays as it is.
    std::string GetDescription(const TextVariant& S1 = {}, const TextVariant& S2 = {},
                               const TextVariant& S3 = {}, const TextVariant& S4 = {}) const;
    // The same for the extended display text.
    std::string GetDescriptionEx(const TextVariant& S1 = {}, const TextVariant& S2 = {},
                                 const TextVariant& S3 = {}, const TextVariant& S4 = {}) const;
};

} // namespace karusello
