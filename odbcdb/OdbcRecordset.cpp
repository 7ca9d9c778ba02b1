#include "odbcdb/OdbcRecordset.h"

#include "config/RuntimeError.h"
#include "odbcdb/OdbcConnection.h"
#include "odbcdb/OdbcQuery.h"
#include "odbcdb/OdbcRowWriter.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace karusello::dao {

namespace {

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

struct OdbcRecordset::Impl {
    std::shared_ptr<OdbcConnection> connection;
    OdbcQuery query;
    std::unique_ptr<OdbcRowWriter> writer;
    // The current row: its visible fields and, where the query has one, its hidden rowid.
    std::vector<FieldValue> row;
    std::optional<std::int64_t> rowid;
    bool eof = true;
    bool closed = false;
    bool editing = false;
    std::int32_t position = 0;
    // Field values set since Edit, and those written by Update to the current row.
    OdbcRowWriter::FieldValues pending;
    OdbcRowWriter::FieldValues written;
    // The field looked up last: a loop over the rows asks for the same name on every row.
    mutable std::string lastName;
    mutable int lastIndex = -1;

    void Fetch() {
        eof = true;
        if (query.columns.empty()) {
            return; // a statement without a result, such as a DELETE
        }
        const SQLRETURN rc = SQLFetch(query.statement.Get());
        if (rc == SQL_NO_DATA) {
            // Ends the statement's cursor at once, so that it holds nothing in the file.
            SQLFreeStmt(query.statement.Get(), SQL_CLOSE);
            return;
        }
        connection->Check(rc, query.statement);
        ReadRow();
        eof = false;
    }

    void ReadRow() {
        const SQLHSTMT statement = query.statement.Get();
        const OdbcBackend backend = connection->Backend();
        rowid.reset();
        if (query.firstColumn > 1) {
            const FieldValue key = FieldValueFromText(
                ColumnKind::Integer, ReadColumnText(backend, statement, 1, ColumnKind::Integer));
            if (const auto* integer = std::get_if<std::int64_t>(&key.Raw())) {
                rowid = *integer;
            }
        }
        row.clear();
        for (std::size_t i = 0; i < query.columns.size(); ++i) {
            const ColumnKind kind = query.columns[i].kind;
            const auto column = static_cast<SQLUSMALLINT>(query.firstColumn + i);
            row.push_back(
                FieldValueFromText(kind, ReadColumnText(backend, statement, column, kind)));
        }
    }

    void RequireOpen() const {
        if (closed) {
            throw RuntimeError(errnum::DbGeneric, "Die Datensatzgruppe ist geschlossen.");
        }
    }

    void RequireCurrentRow() const {
        RequireOpen();
        if (eof) {
            throw RuntimeError(errnum::DbNoCurrentRecord);
        }
    }

    int FieldIndex(const std::string& name) const {
        if (lastIndex >= 0 && name == lastName) {
            return lastIndex;
        }
        const auto& columns = query.columns;
        const auto found = std::find_if(columns.begin(), columns.end(), [&](const OdbcColumn& c) {
            return SameNameIgnoringCase(c.name, name);
        });
        if (found == columns.end()) {
            throw RuntimeError(errnum::DbItemNotFound,
                               StandardErrorText(errnum::DbItemNotFound) + " ('" + name + "')");
        }
        lastName = name;
        lastIndex = static_cast<int>(found - columns.begin());
        return lastIndex;
    }

    static const std::optional<std::int32_t>* Find(const OdbcRowWriter::FieldValues& values,
                                                   int field) {
        const auto found = std::find_if(values.begin(), values.end(),
                                        [&](const auto& entry) { return entry.first == field; });
        return found != values.end() ? &found->second : nullptr;
    }
};

OdbcRecordset::OdbcRecordset(std::shared_ptr<OdbcConnection> connection, const std::string& sql,
                             RecordsetType type)
    : impl_(std::make_unique<Impl>()) {
    impl_->connection = std::move(connection);
    impl_->query = RunQuery(*impl_->connection, sql, type == dbOpenDynaset);
    impl_->Fetch();
}

OdbcRecordset::~OdbcRecordset() = default;

bool OdbcRecordset::Eof() const {
    return impl_->closed || impl_->eof;
}

void OdbcRecordset::MoveNext() {
    impl_->RequireCurrentRow();
    impl_->editing = false;
    impl_->pending.clear();
    impl_->written.clear();
    ++impl_->position;
    impl_->Fetch();
}

std::int32_t OdbcRecordset::AbsolutePosition() const {
    impl_->RequireOpen();
    return impl_->eof ? -1 : impl_->position;
}

FieldValue OdbcRecordset::Fields(const std::string& name) const {
    impl_->RequireCurrentRow();
    const int field = impl_->FieldIndex(name);
    for (const auto* values : {&impl_->pending, &impl_->written}) {
        if (const auto* value = Impl::Find(*values, field)) {
            return value->has_value() ? FieldValue(std::int64_t{**value}) : FieldValue();
        }
    }
    return impl_->row.at(static_cast<std::size_t>(field));
}

void OdbcRecordset::Edit() {
    impl_->RequireCurrentRow();
    if (!impl_->query.Updatable()) {
        throw RuntimeError(errnum::DbReadOnly,
                           StandardErrorText(errnum::DbReadOnly) +
                               " (Die Abfrage liest nicht Zeilen aus genau einer Tabelle.)");
    }
    impl_->editing = true;
    impl_->pending.clear();
}

void OdbcRecordset::SetField(const std::string& name, std::int32_t value) {
    SetFieldValue(name, value);
}

void OdbcRecordset::SetFieldNull(const std::string& name) {
    SetFieldValue(name, std::nullopt);
}

void OdbcRecordset::SetFieldValue(const std::string& name, std::optional<std::int32_t> value) {
    impl_->RequireCurrentRow();
    if (!impl_->editing) {
        throw RuntimeError(errnum::DbUpdateWithoutEdit);
    }
    const int field = impl_->FieldIndex(name);
    auto& pending = impl_->pending;
    std::erase_if(pending, [&](const auto& entry) { return entry.first == field; });
    pending.emplace_back(field, value);
}

void OdbcRecordset::Update() {
    impl_->RequireCurrentRow();
    if (!impl_->editing) {
        throw RuntimeError(errnum::DbUpdateWithoutEdit);
    }
    if (!impl_->pending.empty()) {
        if (!impl_->writer) {
            impl_->writer = MakeRowWriter(impl_->connection, impl_->query);
        }
        impl_->writer->Write(impl_->rowid, impl_->pending);
    }
    for (const auto& entry : impl_->pending) {
        std::erase_if(impl_->written, [&](const auto& w) { return w.first == entry.first; });
        impl_->written.push_back(entry);
    }
    impl_->pending.clear();
    impl_->editing = false;
}

void OdbcRecordset::Close() {
    impl_->writer.reset();
    impl_->query.statement.Reset();
    impl_->closed = true;
}

} // namespace karusello::dao
