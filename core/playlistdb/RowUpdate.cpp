#include "core/playlistdb/RowUpdate.h"

#include "core/errors/RuntimeError.h"

#include <algorithm>

namespace karusello::dao {

void InColumnOrder(ChangedFields& values, std::vector<int>& fields) {
    std::sort(values.begin(), values.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    fields.clear();
    for (const auto& entry : values) {
        fields.push_back(entry.first);
    }
}

void RequireOneRowChanged(std::int64_t changed) {
    if (changed == 0) {
        ThrowRowDeleted();
    }
    if (changed != 1) {
        throw RuntimeError(errnum::DbGeneric, StandardErrorText(errnum::DbGeneric) +
                                                  " (Der Schlüssel der Zeile traf " +
                                                  std::to_string(changed) +
                                                  " Zeilen statt einer.)");
    }
}

} // namespace karusello::dao
