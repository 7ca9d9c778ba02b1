#pragma once

#include "core/playlistdb/FieldValue.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace karusello {

// The sort value an entry had before the first shuffle: a number, or nothing when it was null.
using SavedSortValue = std::optional<std::int32_t>;

// An entry's key (plid) as a number to match entries by; nothing for a null or a text, which
// cannot be matched.
std::optional<double> EntryKeyOf(const dao::FieldValue& plid);

// The sort values of a playlist's entries from before the first shuffle, each kept under its
// entry's key, so that a restore gives every entry that still exists its own value back, whatever
// the host added or removed meanwhile. Entries are kept and restored in ascending key, as the
// entry query reads them; entries that share a key are matched in their order.
class SavedOrder {
public:
    void Reserve(std::size_t entries);
    // Keeps the next entry's value. An entry whose key does not follow the last one kept is left
    // out: it could not be found again.
    void Keep(double key, SavedSortValue value);
    std::size_t Size() const { return keys_.size(); }
    // The values kept, in ascending key.
    std::vector<SavedSortValue> Values() const;

    // One pass of a restore over the entries in ascending key.
    class Match {
    public:
        explicit Match(const SavedOrder& saved) : saved_(saved) {}
        // The value kept for the next entry of the pass; nothing when none was kept for it (the
        // host added it since, or its key cannot be matched). Values kept for entries that the
        // pass does not meet (removed since) are passed over.
        std::optional<SavedSortValue> For(std::optional<double> key);

    private:
        const SavedOrder& saved_;
        std::size_t next_ = 0;
        std::size_t nextNull_ = 0;
    };

private:
    bool IsNull(std::size_t at, std::size_t& nextNull) const;

    std::vector<double> keys_;
    std::vector<std::int32_t> values_;
    // The places of the values that were null, in ascending order; there are few of them.
    std::vector<std::size_t> nulls_;
};

} // namespace karusello
