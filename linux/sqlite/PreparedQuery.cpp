#include "linux/sqlite/PreparedQuery.h"

#include "core/playlistdb/SqlText.h"

#include <optional>
#include <sqlite3.h>

namespace karusello::dao {

namespace {

std::string Text(const char* text) {
    return text != nullptr ? text : "";
}

// The single table of the main database that all columns come from, if there is one.
std::optional<std::string> SourceTable(sqlite3_stmt* statement) {
    const int count = sqlite3_column_count(statement);
    if (count == 0) {
        return std::nullopt;
    }
    std::string table;
    for (int i = 0; i < count; ++i) {
        const char* database = sqlite3_column_database_name(statement, i);
        const char* columnTable = sqlite3_column_table_name(statement, i);
        if (database == nullptr || columnTable == nullptr || Text(database) != "main") {
            return std::nullopt;
        }
        if (i == 0) {
            table = columnTable;
        } else if (table != columnTable) {
            return std::nullopt;
        }
    }
    return table;
}

// The name under which the table's rowid can be selected. A table may have an ordinary column
// called "rowid"; then one of the other two names still means the rowid. SQLite describes the
// rowid (or the INTEGER PRIMARY KEY that is the rowid) as an INTEGER primary key.
std::optional<std::string_view> RowidName(const Connection& connection, const std::string& table) {
    for (const std::string_view name : {"rowid", "_rowid_", "oid"}) {
        const char* type = nullptr;
        int primaryKey = 0;
        const int rc = sqlite3_table_column_metadata(connection.Handle(), "main", table.c_str(),
                                                     std::string(name).c_str(), &type, nullptr,
                                                     nullptr, &primaryKey, nullptr);
        if (rc == SQLITE_OK && primaryKey != 0 && type != nullptr &&
            sqlite3_stricmp(type, "INTEGER") == 0) {
            return name;
        }
    }
    return std::nullopt;
}

void DescribeColumns(PreparedQuery& query) {
    const int count = sqlite3_column_count(query.statement.get());
    for (int i = query.firstField; i < count; ++i) {
        query.fieldNames.push_back(Text(sqlite3_column_name(query.statement.get(), i)));
        query.columnNames.push_back(Text(sqlite3_column_origin_name(query.statement.get(), i)));
    }
}

// The statement with the hidden rowid column, when it prepares and adds exactly that column,
// taken from the table itself. A text that cannot take it (DISTINCT, a compound query, a join
// that makes rowid ambiguous, a table without rowid) fails here, and a view or a subquery gives
// a column without a table: those stay read-only.
StatementPtr PrepareWithRowid(const Connection& connection, const std::string& sql,
                              const std::string& table, int visibleColumns,
                              std::string& rowidName) {
    const std::optional<std::string_view> rowid = RowidName(connection, table);
    const std::optional<std::string> text =
        rowid ? WithLeadingColumn(sql, *rowid) : std::optional<std::string>();
    if (!text) {
        return nullptr;
    }
    StatementPtr statement = connection.TryPrepare(*text);
    if (statement == nullptr || sqlite3_column_count(statement.get()) != visibleColumns + 1) {
        return nullptr;
    }
    const char* rowidTable = sqlite3_column_table_name(statement.get(), 0);
    if (rowidTable == nullptr || table != rowidTable) {
        return nullptr;
    }
    rowidName = *rowid;
    return statement;
}

} // namespace

PreparedQuery PrepareQuery(const Connection& connection, const std::string& sql, bool updatable) {
    PreparedQuery query;
    query.statement = connection.Prepare(sql);
    if (!updatable) {
        DescribeColumns(query);
        return query;
    }
    if (const std::optional<std::string> table = SourceTable(query.statement.get())) {
        const int visible = sqlite3_column_count(query.statement.get());
        if (StatementPtr withRowid =
                PrepareWithRowid(connection, sql, *table, visible, query.rowidName)) {
            query.statement = std::move(withRowid);
            query.firstField = 1;
            query.table = *table;
        }
    }
    DescribeColumns(query);
    return query;
}

} // namespace karusello::dao
