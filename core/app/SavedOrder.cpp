#include "core/app/SavedOrder.h"

#include <cmath>
#include <variant>

namespace karusello {

std::optional<double> EntryKeyOf(const dao::FieldValue& plid) {
    if (const auto* whole = std::get_if<std::int64_t>(&plid.Raw())) {
        return static_cast<double>(*whole);
    }
    if (const auto* real = std::get_if<double>(&plid.Raw());
        real != nullptr && !std::isnan(*real)) {
        return *real;
    }
    return std::nullopt;
}

void SavedOrder::Reserve(std::size_t entries) {
    keys_.reserve(entries);
    values_.reserve(entries);
}

void SavedOrder::Keep(double key, SavedSortValue value) {
    if (!keys_.empty() && key < keys_.back()) {
        return;
    }
    if (!value) {
        nulls_.push_back(keys_.size());
    }
    keys_.push_back(key);
    values_.push_back(value.value_or(0));
}

// Whether the value at this place was null, for places asked in ascending order; nextNull is
// where the search goes on.
bool SavedOrder::IsNull(std::size_t at, std::size_t& nextNull) const {
    while (nextNull < nulls_.size() && nulls_[nextNull] < at) {
        ++nextNull;
    }
    return nextNull < nulls_.size() && nulls_[nextNull] == at;
}

std::vector<SavedSortValue> SavedOrder::Values() const {
    std::vector<SavedSortValue> values;
    values.reserve(keys_.size());
    std::size_t nextNull = 0;
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        values.push_back(IsNull(i, nextNull) ? SavedSortValue() : SavedSortValue(values_[i]));
    }
    return values;
}

// Both the save and the restore read the entries in ascending key, so one walk over the kept
// values finds each entry's own: kept keys below the entry's belong to entries removed since.
std::optional<SavedSortValue> SavedOrder::Match::For(std::optional<double> key) {
    if (!key) {
        return std::nullopt;
    }
    const auto& keys = saved_.keys_;
    while (next_ < keys.size() && keys[next_] < *key) {
        ++next_;
    }
    if (next_ == keys.size() || keys[next_] != *key) {
        return std::nullopt;
    }
    const std::size_t at = next_++;
    return saved_.IsNull(at, nextNull_) ? SavedSortValue() : SavedSortValue(saved_.values_[at]);
}

} // namespace karusello
