#include "windows/odbc/OdbcRowWriter.h"

#include "windows/odbc/WideText.h"
#include "core/playlistdb/SqlText.h"

#include <algorithm>

namespace karusello::dao {

namespace {

// Values in the form ODBC binds them: a buffer and its length/indicator, which says null.
struct BoundValues {
    std::vector<SQLINTEGER> data;
    std::vector<SQLLEN> indicators;

    explicit BoundValues(const ChangedFields& values) {
        for (const auto& [field, value] : values) {
            data.push_back(value.value_or(0));
            indicators.push_back(value ? 0 : SQL_NULL_DATA);
        }
    }
};

class SqliteRowidWriter : public OdbcRowWriter {
public:
    SqliteRowidWriter(std::shared_ptr<OdbcConnection> connection, const OdbcQuery& query)
        : connection_(std::move(connection)), table_(query.table), rowidName_(query.rowidName) {
        for (const OdbcColumn& column : query.columns) {
            columns_.push_back(column.name);
        }
    }

    void Write(std::optional<std::int64_t> rowid, const ChangedFields& values) override {
        if (!rowid) {
            ThrowNoRowid();
        }
        ChangedFields sorted = values;
        std::sort(sorted.begin(), sorted.end());
        PrepareFor(sorted);
        BoundValues bound(sorted);
        SQLUSMALLINT parameter = 1;
        for (std::size_t i = 0; i < sorted.size(); ++i) {
            Bind(parameter++, SQL_C_SLONG, SQL_INTEGER, &bound.data[i], &bound.indicators[i]);
        }
        std::int64_t key = *rowid;
        SQLLEN keyIndicator = 0;
        Bind(parameter, SQL_C_SBIGINT, SQL_BIGINT, &key, &keyIndicator);
        const SQLRETURN rc = SQLExecute(statement_.Get());
        connection_->Check(rc, statement_, true);
        SQLLEN changed = 0;
        SQLRowCount(statement_.Get(), &changed);
        if (rc == SQL_NO_DATA || changed != 1) {
            ThrowRowDeleted();
        }
    }

private:
    // A recordset's rows nearly always change the same fields: the statement is kept for them.
    void PrepareFor(const ChangedFields& sorted) {
        std::vector<int> fields;
        for (const auto& entry : sorted) {
            fields.push_back(entry.first);
        }
        if (statement_ && fields == fields_) {
            return;
        }
        const std::string sql = UpdateByRowidText(table_, columns_, fields, rowidName_);
        OdbcHandle statement = connection_->NewStatement();
        std::u16string text = Utf16FromUtf8(sql);
        connection_->Check(
            SQLPrepareW(statement.Get(), SqlChars(text), static_cast<SQLINTEGER>(text.size())),
            statement);
        statement_ = std::move(statement);
        fields_ = std::move(fields);
    }

    void Bind(SQLUSMALLINT parameter, SQLSMALLINT cType, SQLSMALLINT sqlType, void* value,
              SQLLEN* indicator) {
        connection_->Check(SQLBindParameter(statement_.Get(), parameter, SQL_PARAM_INPUT, cType,
                                            sqlType, 0, 0, value, 0, indicator),
                           statement_);
    }

    std::shared_ptr<OdbcConnection> connection_;
    std::string table_;
    std::string rowidName_;
    std::vector<std::string> columns_;
    OdbcHandle statement_;
    std::vector<int> fields_;
};

// The changed columns are bound for the update and nothing else; unbound columns are not
// written. A row that another user deleted or changed since the fetch comes back as a cursor
// operation conflict (01001).
class PositionedWriter : public OdbcRowWriter {
public:
    PositionedWriter(std::shared_ptr<OdbcConnection> connection, const OdbcQuery& query)
        : connection_(std::move(connection)), statement_(query.statement),
          firstColumn_(query.firstColumn) {}

    void Write(std::optional<std::int64_t>, const ChangedFields& values) override {
        BoundValues bound(values);
        SQLRETURN rc = SQL_SUCCESS;
        for (std::size_t i = 0; i < values.size() && Succeeded(rc); ++i) {
            const auto column = static_cast<SQLUSMALLINT>(firstColumn_ + values[i].first);
            rc = SQLBindCol(statement_.Get(), column, SQL_C_SLONG, &bound.data[i], 0,
                            &bound.indicators[i]);
        }
        if (Succeeded(rc)) {
            rc = SQLSetPos(statement_.Get(), 1, SQL_UPDATE, SQL_LOCK_NO_CHANGE);
        }
        std::vector<OdbcDiagnostic> diagnostics = statement_.Diagnostics();
        SQLFreeStmt(statement_.Get(), SQL_UNBIND);
        if (!Succeeded(rc)) {
            throw OdbcError(connection_->Backend(), diagnostics);
        }
        for (const OdbcDiagnostic& diagnostic : diagnostics) {
            if (diagnostic.state == "01001") {
                ThrowRowDeleted();
            }
        }
    }

private:
    std::shared_ptr<OdbcConnection> connection_;
    const OdbcHandle& statement_;
    SQLUSMALLINT firstColumn_;
};

} // namespace

std::unique_ptr<OdbcRowWriter> MakeRowWriter(std::shared_ptr<OdbcConnection> connection,
                                             const OdbcQuery& query) {
    if (connection->Backend() == OdbcBackend::Sqlite) {
        return std::make_unique<SqliteRowidWriter>(std::move(connection), query);
    }
    return std::make_unique<PositionedWriter>(std::move(connection), query);
}

} // namespace karusello::dao
