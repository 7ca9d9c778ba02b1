#include "windows/odbc/OdbcQuery.h"

#include "windows/odbc/WideText.h"
#include "core/playlistdb/SqlText.h"

#include <algorithm>
#include <optional>

namespace karusello::dao {

namespace {

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& n) { return SameSqlName(n, name); });
}

std::string ColumnText(SQLHSTMT statement, SQLUSMALLINT column, SQLUSMALLINT field) {
    std::u16string text(256, u'\0');
    SQLSMALLINT bytes = 0;
    const SQLRETURN rc =
        SQLColAttributeW(statement, column, field, SqlChars(text),
                         static_cast<SQLSMALLINT>(text.size() * 2), &bytes, nullptr);
    if (!Succeeded(rc)) {
        return "";
    }
    text.resize(std::min<std::size_t>(static_cast<std::size_t>(bytes) / 2, text.size() - 1));
    return Utf8FromUtf16(text);
}

std::vector<OdbcColumn> DescribeColumns(const OdbcConnection& connection,
                                        const OdbcHandle& statement) {
    SQLSMALLINT count = 0;
    connection.Check(SQLNumResultCols(statement.Get(), &count), statement);
    std::vector<OdbcColumn> columns;
    for (SQLUSMALLINT i = 1; i <= static_cast<SQLUSMALLINT>(count); ++i) {
        std::u16string name(256, u'\0');
        SQLSMALLINT length = 0, type = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        connection.Check(SQLDescribeColW(statement.Get(), i, SqlChars(name),
                                         static_cast<SQLSMALLINT>(name.size()), &length, &type,
                                         &size, &digits, &nullable),
                         statement);
        name.resize(std::min<std::size_t>(static_cast<std::size_t>(length), name.size() - 1));
        std::string table = ColumnText(statement.Get(), i, SQL_DESC_BASE_TABLE_NAME);
        if (table.empty()) {
            table = ColumnText(statement.Get(), i, SQL_DESC_TABLE_NAME);
        }
        columns.push_back({Utf8FromUtf16(name), KindOfSqlType(type), table});
    }
    return columns;
}

// The one table that all columns come from, if there is one.
std::string SourceTable(const std::vector<OdbcColumn>& columns) {
    if (columns.empty()) {
        return "";
    }
    for (const OdbcColumn& column : columns) {
        if (column.table.empty() || column.table != columns.front().table) {
            return "";
        }
    }
    return columns.front().table;
}

void SetStatementAttribute(const OdbcConnection& connection, const OdbcHandle& statement,
                           SQLINTEGER attribute, SQLULEN value) {
    // A driver that offers something close instead says so with a warning (01S02).
    connection.Check(
        SQLSetStmtAttrW(statement.Get(), attribute, reinterpret_cast<SQLPOINTER>(value), 0),
        statement);
}

SQLRETURN Prepare(const OdbcHandle& statement, const std::string& sql) {
    std::u16string text = Utf16FromUtf8(sql);
    return SQLPrepareW(statement.Get(), SqlChars(text), static_cast<SQLINTEGER>(text.size()));
}

// The SQLite ODBC driver reads a static cursor's rows when the statement runs, so that no
// statement holds a lock on the file between calls.
OdbcHandle NewSqliteStatement(const OdbcConnection& connection) {
    OdbcHandle statement = connection.NewStatement();
    SetStatementAttribute(connection, statement, SQL_ATTR_CURSOR_TYPE, SQL_CURSOR_STATIC);
    return statement;
}

// The table's own column names.
std::vector<std::string> TableColumns(const OdbcConnection& connection, const std::string& table) {
    const OdbcHandle statement = NewSqliteStatement(connection);
    std::u16string text = Utf16FromUtf8("PRAGMA main.table_info(" + Quoted(table, '\'') + ")");
    connection.Check(SQLExecDirectW(statement.Get(), SqlChars(text), SQL_NTS), statement, true);
    std::vector<std::string> names;
    while (Succeeded(SQLFetch(statement.Get()))) {
        constexpr SQLUSMALLINT kNameColumn = 2;
        if (auto name = ReadColumnText(OdbcBackend::Sqlite, statement.Get(), kNameColumn,
                                       ColumnKind::Text)) {
            names.push_back(std::move(*name));
        }
    }
    return names;
}

// The text prepared with the rowid of its one table in front, or nothing when it cannot be: a
// column from elsewhere (another table, a view, a subquery, an expression), a text that does
// not take the rowid (a join that makes it ambiguous, DISTINCT, a table without rowid), or a
// column whose name is no column of the table. The SQLite ODBC driver names a column by its
// alias where it has one and tells no more of where it comes from, so an aliased column
// cannot be traced to its table column and keeps the rows read-only.
std::optional<OdbcQuery> PrepareWithRowid(const OdbcConnection& connection,
                                          const std::string& sql) {
    const auto prepare = [&](std::string_view rowid) -> std::optional<OdbcQuery> {
        const std::optional<std::string> text = WithLeadingColumn(sql, rowid);
        if (!text) {
            return std::nullopt;
        }
        OdbcQuery query;
        query.statement = NewSqliteStatement(connection);
        if (!Succeeded(Prepare(query.statement, *text))) {
            return std::nullopt;
        }
        query.columns = DescribeColumns(connection, query.statement);
        query.table = SourceTable(query.columns);
        if (query.table.empty() || query.columns.size() < 2) {
            return std::nullopt;
        }
        query.columns.erase(query.columns.begin());
        query.firstColumn = 2;
        query.rowidName = rowid;
        return query;
    };
    std::optional<OdbcQuery> query = prepare("rowid");
    if (!query) {
        return std::nullopt;
    }
    const std::vector<std::string> tableColumns = TableColumns(connection, query->table);
    for (const OdbcColumn& column : query->columns) {
        if (!Contains(tableColumns, column.name)) {
            return std::nullopt;
        }
    }
    for (const std::string_view rowid : {"rowid", "_rowid_", "oid"}) {
        if (!Contains(tableColumns, std::string(rowid))) {
            return rowid == "rowid" ? std::move(query) : prepare(rowid);
        }
    }
    return std::nullopt;
}

OdbcQuery RunSqliteQuery(const OdbcConnection& connection, const std::string& sql, bool updatable) {
    std::optional<OdbcQuery> query;
    if (updatable) {
        query = PrepareWithRowid(connection, sql);
    }
    if (!query) {
        query.emplace();
        query->statement = NewSqliteStatement(connection);
        connection.Check(Prepare(query->statement, sql), query->statement);
        query->columns = DescribeColumns(connection, query->statement);
    }
    connection.Check(SQLExecute(query->statement.Get()), query->statement, true);
    return std::move(*query);
}

OdbcQuery RunAccessQuery(const OdbcConnection& connection, const std::string& sql, bool updatable) {
    OdbcQuery query;
    query.statement = connection.NewStatement();
    if (updatable) {
        SetStatementAttribute(connection, query.statement, SQL_ATTR_CURSOR_TYPE,
                              SQL_CURSOR_KEYSET_DRIVEN);
        SetStatementAttribute(connection, query.statement, SQL_ATTR_CONCURRENCY, SQL_CONCUR_LOCK);
    }
    std::u16string text = Utf16FromUtf8(sql);
    connection.Check(
        SQLExecDirectW(query.statement.Get(), SqlChars(text), static_cast<SQLINTEGER>(text.size())),
        query.statement, true);
    query.columns = DescribeColumns(connection, query.statement);
    SQLULEN concurrency = SQL_CONCUR_READ_ONLY;
    SQLGetStmtAttrW(query.statement.Get(), SQL_ATTR_CONCURRENCY, &concurrency, 0, nullptr);
    if (updatable && concurrency != SQL_CONCUR_READ_ONLY) {
        query.table = SourceTable(query.columns);
    }
    return query;
}

} // namespace

OdbcQuery RunQuery(const OdbcConnection& connection, const std::string& sql, bool updatable) {
    return connection.Backend() == OdbcBackend::Sqlite ? RunSqliteQuery(connection, sql, updatable)
                                                       : RunAccessQuery(connection, sql, updatable);
}

} // namespace karusello::dao
