#include "windows/odbc/OdbcTableKey.h"

#include "core/playlistdb/SqlText.h"
#include "windows/odbc/OdbcError.h"
#include "windows/odbc/WideText.h"

#include <algorithm>

namespace karusello::dao {

namespace {

// The catalog functions' result columns (ODBC 3 numbering).
constexpr SQLUSMALLINT kColumnsTable = 3;       // SQLColumns: TABLE_NAME
constexpr SQLUSMALLINT kColumnsName = 4;        // SQLColumns: COLUMN_NAME
constexpr SQLUSMALLINT kPrimaryKeyName = 4;     // SQLPrimaryKeys: COLUMN_NAME
constexpr SQLUSMALLINT kPrimaryKeySeq = 5;      // SQLPrimaryKeys: KEY_SEQ
constexpr SQLUSMALLINT kStatisticsIndex = 6;    // SQLStatistics: INDEX_NAME
constexpr SQLUSMALLINT kStatisticsPosition = 8; // SQLStatistics: ORDINAL_POSITION
constexpr SQLUSMALLINT kStatisticsColumn = 9;   // SQLStatistics: COLUMN_NAME

std::string Text(const OdbcConnection& connection, const OdbcHandle& statement,
                 SQLUSMALLINT column) {
    return ReadWideText(connection.Backend(), statement.Get(), column).value_or("");
}

int Number(const OdbcHandle& statement, SQLUSMALLINT column) {
    SQLINTEGER value = 0;
    SQLLEN indicator = 0;
    if (!Succeeded(SQLGetData(statement.Get(), column, SQL_C_SLONG, &value, 0, &indicator)) ||
        indicator == SQL_NULL_DATA) {
        return 0;
    }
    return value;
}

// Runs a catalog function on a statement of its own and hands each row to the reader. A driver
// that does not offer the function gives no rows: the Access driver has no SQLPrimaryKeys, and
// the key is then found among the unique indexes. Any other failure is the caller's error.
template <class Call, class Read>
void ForEachCatalogRow(const OdbcConnection& connection, Call&& call, Read&& read) {
    const OdbcHandle statement = connection.NewStatement();
    if (const SQLRETURN rc = call(statement.Get()); !Succeeded(rc)) {
        if (IsFunctionUnsupported(statement.Diagnostics())) {
            return;
        }
        connection.Fail(statement);
    }
    for (SQLRETURN rc = SQLFetch(statement.Get()); rc != SQL_NO_DATA;
         rc = SQLFetch(statement.Get())) {
        connection.Check(rc, statement);
        read(statement);
    }
}

// SQLColumns reads the table's name as a pattern, in which "_" stands for any character: the
// columns of "pl_all" would include those of a table "pl1all". Only the table's own are kept.
std::vector<std::string> TableColumns(const OdbcConnection& connection, std::u16string table) {
    const std::string tableName = Utf8FromUtf16(table);
    std::vector<std::string> names;
    ForEachCatalogRow(
        connection,
        [&](SQLHSTMT s) {
            return SQLColumnsW(s, nullptr, 0, nullptr, 0, SqlChars(table),
                               static_cast<SQLSMALLINT>(table.size()), nullptr, 0);
        },
        [&](const OdbcHandle& s) {
            if (SameSqlName(Text(connection, s, kColumnsTable), tableName)) {
                names.push_back(Text(connection, s, kColumnsName));
            }
        });
    return names;
}

std::vector<std::string> PrimaryKeyColumns(const OdbcConnection& connection, std::u16string table) {
    std::vector<std::pair<int, std::string>> keyColumns;
    ForEachCatalogRow(
        connection,
        [&](SQLHSTMT s) {
            return SQLPrimaryKeysW(s, nullptr, 0, nullptr, 0, SqlChars(table),
                                   static_cast<SQLSMALLINT>(table.size()));
        },
        [&](const OdbcHandle& s) {
            keyColumns.emplace_back(Number(s, kPrimaryKeySeq),
                                    Text(connection, s, kPrimaryKeyName));
        });
    std::stable_sort(keyColumns.begin(), keyColumns.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> names;
    for (auto& entry : keyColumns) {
        names.push_back(std::move(entry.second));
    }
    return names;
}

std::vector<std::string> UniqueIndexColumns(const OdbcConnection& connection,
                                            std::u16string table) {
    std::vector<IndexColumn> rows;
    ForEachCatalogRow(
        connection,
        [&](SQLHSTMT s) {
            return SQLStatisticsW(s, nullptr, 0, nullptr, 0, SqlChars(table),
                                  static_cast<SQLSMALLINT>(table.size()), SQL_INDEX_UNIQUE,
                                  SQL_QUICK);
        },
        [&](const OdbcHandle& s) {
            rows.push_back({Text(connection, s, kStatisticsIndex), Number(s, kStatisticsPosition),
                            Text(connection, s, kStatisticsColumn)});
        });
    return FirstIndexColumns(rows);
}

int FieldOf(const std::vector<OdbcColumn>& columns, const std::string& name) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (SameSqlName(columns[i].name, name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

std::vector<std::string> FirstIndexColumns(const std::vector<IndexColumn>& rows) {
    std::vector<IndexColumn> first;
    for (const IndexColumn& row : rows) {
        if (row.column.empty()) {
            continue;
        }
        if (!first.empty() && row.index != first.front().index) {
            break;
        }
        first.push_back(row);
    }
    std::stable_sort(first.begin(), first.end(),
                     [](const auto& a, const auto& b) { return a.position < b.position; });
    std::vector<std::string> names;
    for (IndexColumn& row : first) {
        names.push_back(std::move(row.column));
    }
    return names;
}

std::optional<RowKey> FindRowKey(const OdbcConnection& connection, const OdbcQuery& query) {
    if (query.table.empty() || query.columns.empty()) {
        return std::nullopt;
    }
    const std::u16string table = Utf16FromUtf8(query.table);
    const std::vector<std::string> tableColumns = TableColumns(connection, table);
    for (const OdbcColumn& column : query.columns) {
        if (std::none_of(tableColumns.begin(), tableColumns.end(),
                         [&](const std::string& n) { return SameSqlName(n, column.name); })) {
            return std::nullopt;
        }
    }
    std::vector<std::string> key = PrimaryKeyColumns(connection, table);
    if (key.empty()) {
        key = UniqueIndexColumns(connection, table);
    }
    if (key.empty()) {
        return std::nullopt;
    }
    RowKey rowKey;
    for (const std::string& column : key) {
        const int field = FieldOf(query.columns, column);
        if (field < 0) {
            return std::nullopt;
        }
        rowKey.columns.push_back(column);
        rowKey.fields.push_back(field);
    }
    return rowKey;
}

} // namespace karusello::dao
