#pragma once

#include "core/config/ConfigObject.h"

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace karusello {

using ConfigObjectPtr = std::shared_ptr<ConfigObject>;
// Items in a fixed order, without keys.
using ConfigObjectList = std::vector<ConfigObjectPtr>;

// Items in the order in which they were filed, each under a key of its own. Holds one
// reference to each item; iteration hands out references to the same items.
class ConfigObjectCollection {
public:
    using const_iterator = ConfigObjectList::const_iterator;

    // Files the item at the end under key. A key that is filed already, or no item, is refused:
    // false, and the collection stays as it was.
    bool Add(const std::string& key, ConfigObjectPtr item);
    // The item filed under exactly this key; nullptr when there is none.
    ConfigObjectPtr Find(const std::string& key) const;

    std::size_t Count() const { return items_.size(); }
    const_iterator begin() const { return items_.begin(); }
    const_iterator end() const { return items_.end(); }

private:
    ConfigObjectList items_;
    std::unordered_map<std::string, std::size_t> positions_;
};

} // namespace karusello
