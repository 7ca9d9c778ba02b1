#include "windows/odbc/OdbcQuery.h"

#include "core/playlistdb/RowidQuery.h"
#include "core/playlistdb/SqlText.h"
#include "windows/odbc/WideText.h"

#include <algorithm>
#include <optional>

namespace karusello::dao {

WritePlan PlanFor(const OdbcConnection& connection, bool updatable) {
    if (!updatable) {
        return WritePlan::ReadOnly;
    }
    switch (connection.Writer()) {
    case RowWriterChoice::Positioned:
        return WritePlan::Positioned;
    case RowWriterChoice::Keyed:
        return WritePlan::Keyed;
    case RowWriterChoice::ByBackend:
        break;
    }
    return connection.Backend() == OdbcBackend::Sqlite ? WritePlan::Rowid : WritePlan::Positioned;
}

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

// The table that the rows come from: the one that the driver names for every column; where it
// names none, the one that the text names. Nothing where the columns come from several tables
// or some from none (an expression).
std::string ReadTable(const std::vector<OdbcColumn>& columns, const std::string& sql) {
    const bool named = std::any_of(columns.begin(), columns.end(),
                                   [](const OdbcColumn& c) { return !c.table.empty(); });
    if (!named) {
        return SelectedTable(sql).value_or("");
    }
    for (const OdbcColumn& column : columns) {
        if (column.table != columns.front().table) {
            return "";
        }
    }
    return columns.front().table;
}

// Asks for a statement attribute; a driver that offers something close instead says so with a
// warning (01S02), and what it gave is asked for after the query ran.
void RequestStatementAttribute(const OdbcHandle& statement, SQLINTEGER attribute, SQLULEN value) {
    SQLSetStmtAttrW(statement.Get(), attribute, reinterpret_cast<SQLPOINTER>(value), 0);
}

SQLULEN StatementAttribute(const OdbcHandle& statement, SQLINTEGER attribute, SQLULEN otherwise) {
    SQLULEN value = otherwise;
    if (!Succeeded(SQLGetStmtAttrW(statement.Get(), attribute, &value, 0, nullptr))) {
        return otherwise;
    }
    return value;
}

// A statement for a query that only reads. The SQLite ODBC driver reads a static cursor's rows
// when the statement runs, so that no statement holds a lock on the file between calls.
OdbcHandle NewReadStatement(const OdbcConnection& connection) {
    OdbcHandle statement = connection.NewStatement();
    if (connection.Backend() == OdbcBackend::Sqlite) {
        connection.Check(SQLSetStmtAttrW(statement.Get(), SQL_ATTR_CURSOR_TYPE,
                                         reinterpret_cast<SQLPOINTER>(SQL_CURSOR_STATIC), 0),
                         statement);
    }
    return statement;
}

// The table's own column names, from SQLite.
std::vector<std::string> SqliteTableColumns(const OdbcConnection& connection,
                                            const std::string& table) {
    const OdbcHandle statement = NewReadStatement(connection);
    connection.ExecuteOn(statement, "PRAGMA main.table_info(" + Quoted(table, '\'') + ")");
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

// What the shared rewrite for the rowid needs of the SQLite ODBC driver. The driver names a
// column by its alias where it has one and tells no more of where it comes from, so a column
// counts as the table's only where its name is one of the table's columns: an aliased column
// keeps the rows read-only.
class RowidProbe {
public:
    using Statement = OdbcHandle;

    explicit RowidProbe(const OdbcConnection& connection) : connection_(connection) {}

    std::vector<ColumnOrigin> Origins(const std::vector<OdbcColumn>& columns) {
        std::vector<ColumnOrigin> origins;
        for (const OdbcColumn& column : columns) {
            const bool own =
                !column.table.empty() && Contains(TableColumns(column.table), column.name);
            origins.push_back({column.table, own ? column.name : ""});
        }
        return origins;
    }

    std::vector<ColumnOrigin> Origins(const OdbcHandle& statement) {
        return Origins(DescribeColumns(connection_, statement));
    }

    bool SelectsRowid(const std::string& table, std::string_view name) {
        return !Contains(TableColumns(table), std::string(name));
    }

    std::optional<OdbcHandle> Prepare(const std::string& sql) const {
        OdbcHandle statement = NewReadStatement(connection_);
        if (!Succeeded(connection_.Prepare(statement, sql))) {
            return std::nullopt;
        }
        return statement;
    }

private:
    const std::vector<std::string>& TableColumns(const std::string& table) {
        if (table != table_) {
            columns_ = SqliteTableColumns(connection_, table);
            table_ = table;
        }
        return columns_;
    }

    const OdbcConnection& connection_;
    std::string table_;
    std::vector<std::string> columns_;
};

OdbcQuery RunWithRowid(const OdbcConnection& connection, const std::string& sql) {
    OdbcQuery query;
    query.plan = WritePlan::Rowid;
    query.statement = NewReadStatement(connection);
    connection.Check(connection.Prepare(query.statement, sql), query.statement);
    query.columns = DescribeColumns(connection, query.statement);
    RowidProbe probe(connection);
    if (auto withRowid = PrepareWithRowid(probe, sql, probe.Origins(query.columns))) {
        query.statement = std::move(withRowid->statement);
        query.firstColumn = 2;
        query.table = std::move(withRowid->table);
        query.rowidName = std::move(withRowid->rowidName);
    }
    connection.Check(SQLExecute(query.statement.Get()), query.statement, true);
    return query;
}

// Whether a cursor of this type can update its current row, as the driver says of itself;
// where it does not say, the concurrency that it gave is taken at its word.
bool CursorUpdatesItsRow(const OdbcConnection& connection, SQLULEN cursorType) {
    SQLUSMALLINT info = SQL_STATIC_CURSOR_ATTRIBUTES1;
    switch (cursorType) {
    case SQL_CURSOR_FORWARD_ONLY:
        info = SQL_FORWARD_ONLY_CURSOR_ATTRIBUTES1;
        break;
    case SQL_CURSOR_KEYSET_DRIVEN:
        info = SQL_KEYSET_CURSOR_ATTRIBUTES1;
        break;
    case SQL_CURSOR_DYNAMIC:
        info = SQL_DYNAMIC_CURSOR_ATTRIBUTES1;
        break;
    default:
        break;
    }
    SQLUINTEGER attributes = 0;
    if (!Succeeded(
            SQLGetInfoW(connection.Handle(), info, &attributes, sizeof attributes, nullptr))) {
        return true;
    }
    return (attributes & SQL_CA1_POS_UPDATE) != 0;
}

OdbcQuery RunPositionable(const OdbcConnection& connection, const std::string& sql) {
    OdbcQuery query;
    query.plan = WritePlan::Positioned;
    query.statement = connection.NewStatement();
    RequestStatementAttribute(query.statement, SQL_ATTR_CURSOR_TYPE, SQL_CURSOR_KEYSET_DRIVEN);
    RequestStatementAttribute(query.statement, SQL_ATTR_CONCURRENCY, SQL_CONCUR_LOCK);
    connection.ExecuteOn(query.statement, sql);
    query.columns = DescribeColumns(connection, query.statement);
    query.table = ReadTable(query.columns, sql);
    const SQLULEN concurrency =
        StatementAttribute(query.statement, SQL_ATTR_CONCURRENCY, SQL_CONCUR_READ_ONLY);
    const SQLULEN cursorType =
        StatementAttribute(query.statement, SQL_ATTR_CURSOR_TYPE, SQL_CURSOR_FORWARD_ONLY);
    query.positionable = !query.columns.empty() && concurrency != SQL_CONCUR_READ_ONLY &&
                         CursorUpdatesItsRow(connection, cursorType);
    return query;
}

OdbcQuery RunAsGiven(const OdbcConnection& connection, const std::string& sql, WritePlan plan) {
    OdbcQuery query;
    query.plan = plan;
    query.statement = NewReadStatement(connection);
    connection.ExecuteOn(query.statement, sql);
    query.columns = DescribeColumns(connection, query.statement);
    if (plan == WritePlan::Keyed) {
        query.table = ReadTable(query.columns, sql);
    }
    return query;
}

} // namespace

OdbcQuery RunQuery(const OdbcConnection& connection, const std::string& sql, WritePlan plan) {
    switch (plan) {
    case WritePlan::Rowid:
        return RunWithRowid(connection, sql);
    case WritePlan::Positioned:
        return RunPositionable(connection, sql);
    case WritePlan::ReadOnly:
    case WritePlan::Keyed:
        break;
    }
    return RunAsGiven(connection, sql, plan);
}

} // namespace karusello::dao
