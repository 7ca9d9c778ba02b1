#include "core/playlistdb/RowidQuery.h"

namespace karusello::dao {

std::optional<std::string> SingleSourceTable(const std::vector<ColumnOrigin>& columns) {
    if (columns.empty()) {
        return std::nullopt;
    }
    for (const ColumnOrigin& column : columns) {
        if (column.table.empty() || column.column.empty() ||
            column.table != columns.front().table) {
            return std::nullopt;
        }
    }
    return columns.front().table;
}

bool LeadsWithRowidOf(const std::vector<ColumnOrigin>& columns, const std::string& table,
                      std::size_t queryColumns) {
    return columns.size() == queryColumns + 1 && columns.front().table == table;
}

} // namespace karusello::dao
