#include "core/config/ConfigObjectCollection.h"

#include <utility>

namespace karusello {

bool ConfigObjectCollection::Add(const std::string& key, ConfigObjectPtr item) {
    if (!item || positions_.contains(key)) {
        return false;
    }
    // Room first, so that filing the key and the item cannot part half-way.
    items_.reserve(items_.size() + 1);
    positions_.emplace(key, items_.size());
    items_.push_back(std::move(item));
    return true;
}

ConfigObjectPtr ConfigObjectCollection::Find(const std::string& key) const {
    auto found = positions_.find(key);
    return found == positions_.end() ? nullptr : items_[found->second];
}

} // namespace karusello
