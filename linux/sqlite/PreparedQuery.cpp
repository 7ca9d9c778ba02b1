#include "linux/sqlite/PreparedQuery.h"

#include "core/playlistdb/RowidQuery.h"

#include <optional>
#include <sqlite3.h>

namespace karusello::dao {

namespace {

std::string Text(const char* text) {
    return text != nullptr ? text : "";
}

// Where each result column comes from: SQLite names the table and the table's column behind
// every column that is one, alias or not; a column of another database than the main one
// counts as none.
std::vector<ColumnOrigin> OriginsOf(sqlite3_stmt* statement) {
    std::vector<ColumnOrigin> origins;
    const int count = sqlite3_column_count(statement);
    for (int i = 0; i < count; ++i) {
        const bool main = Text(sqlite3_column_database_name(statement, i)) == "main";
        origins.push_back({main ? Text(sqlite3_column_table_name(statement, i)) : "",
                           Text(sqlite3_column_origin_name(statement, i))});
    }
    return origins;
}

// What the shared rewrite for the rowid needs of SQLite.
class RowidProbe {
public:
    using Statement = StatementPtr;

    explicit RowidProbe(const Connection& connection) : connection_(connection) {}

    // SQLite describes the rowid (or the INTEGER PRIMARY KEY that is the rowid) as an INTEGER
    // primary key; an ordinary column of that name is something else.
    bool SelectsRowid(const std::string& table, std::string_view name) const {
        const char* type = nullptr;
        int primaryKey = 0;
        const int rc = sqlite3_table_column_metadata(connection_.Handle(), "main", table.c_str(),
                                                     std::string(name).c_str(), &type, nullptr,
                                                     nullptr, &primaryKey, nullptr);
        return rc == SQLITE_OK && primaryKey != 0 && type != nullptr &&
               sqlite3_stricmp(type, "INTEGER") == 0;
    }

    std::optional<StatementPtr> Prepare(const std::string& sql) const {
        StatementPtr statement = connection_.TryPrepare(sql);
        return statement ? std::optional<StatementPtr>(std::move(statement)) : std::nullopt;
    }

    static std::vector<ColumnOrigin> Origins(const StatementPtr& statement) {
        return OriginsOf(statement.get());
    }

private:
    const Connection& connection_;
};

void DescribeColumns(PreparedQuery& query) {
    const int count = sqlite3_column_count(query.statement.get());
    for (int i = query.firstField; i < count; ++i) {
        query.fieldNames.push_back(Text(sqlite3_column_name(query.statement.get(), i)));
        query.columnNames.push_back(Text(sqlite3_column_origin_name(query.statement.get(), i)));
    }
}

} // namespace

PreparedQuery PrepareQuery(const Connection& connection, const std::string& sql, bool updatable) {
    PreparedQuery query;
    query.statement = connection.Prepare(sql);
    if (updatable) {
        RowidProbe probe(connection);
        if (auto withRowid = PrepareWithRowid(probe, sql, OriginsOf(query.statement.get()))) {
            query.statement = std::move(withRowid->statement);
            query.firstField = 1;
            query.table = std::move(withRowid->table);
            query.rowidName = std::move(withRowid->rowidName);
        }
    }
    DescribeColumns(query);
    return query;
}

} // namespace karusello::dao
