#include "sqlitedb/SqliteRecordset.h"

#include "config/RuntimeError.h"
#include "sqlitedb/Connection.h"
#include "sqlitedb/PreparedQuery.h"
#include "sqlitedb/RowWriter.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <sqlite3.h>
#include <utility>
#include <vector>

namespace karusello::dao {

namespace {

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

FieldValue ColumnValue(sqlite3_stmt* statement, int index) {
    switch (sqlite3_column_type(statement, index)) {
    case SQLITE_INTEGER:
        return FieldValue(static_cast<std::int64_t>(sqlite3_column_int64(statement, index)));
    case SQLITE_FLOAT:
        return FieldValue(sqlite3_column_double(statement, index));
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, index));
        const auto size = static_cast<std::size_t>(sqlite3_column_bytes(statement, index));
        return FieldValue(std::string(bytes != nullptr ? bytes : "", size));
    }
    default:
        return FieldValue();
    }
}

} // namespace

// The select statement is stepped row by row; only the current row is in memory.
//
// Writing the current row while the select goes on stepping is safe for the queries that this
// program runs: an UPDATE ... WHERE rowid=? on the same connection changes only the row just
// read, and only a field that is no part of the order the scan follows. The entry query walks
// the playlist by plid (through an index on (pnid, plid) or the table's rowid order), and sid is
// in neither key, so no row moves within the scan and none is seen twice or skipped. Where an
// ORDER BY needs a sort, SQLite's sorter has read every row before the first one is returned,
// so later writes cannot reach the rows still to come either.
struct SqliteRecordset::Impl {
    std::shared_ptr<Connection> connection;
    PreparedQuery query;
    std::unique_ptr<RowWriter> writer;
    bool eof = true;
    bool closed = false;
    bool editing = false;
    std::int32_t position = 0;
    // Field values set since Edit, and those written by Update to the current row.
    RowWriter::FieldValues pending;
    RowWriter::FieldValues written;

    void Step() {
        const int rc = sqlite3_step(query.statement.get());
        if (rc == SQLITE_ROW) {
            eof = false;
            return;
        }
        eof = true;
        std::optional<RuntimeError> error;
        if (rc != SQLITE_DONE) {
            error = connection->Error(rc);
        }
        // Ends the statement's read at once, so that it holds no lock on the file.
        sqlite3_reset(query.statement.get());
        if (error) {
            throw *error;
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

    // The field looked up last: a loop over the rows asks for the same name on every row.
    mutable std::string lastName;
    mutable int lastIndex = -1;

    int FieldIndex(const std::string& name) const {
        if (lastIndex >= 0 && name == lastName) {
            return lastIndex;
        }
        const auto& names = query.fieldNames;
        const auto found = std::find_if(names.begin(), names.end(), [&](const std::string& n) {
            return SameNameIgnoringCase(n, name);
        });
        if (found == names.end()) {
            throw RuntimeError(errnum::DbItemNotFound,
                               StandardErrorText(errnum::DbItemNotFound) + " ('" + name + "')");
        }
        lastName = name;
        lastIndex = static_cast<int>(found - names.begin());
        return lastIndex;
    }

    static const std::optional<std::int32_t>* Find(const RowWriter::FieldValues& values,
                                                   int field) {
        const auto found = std::find_if(values.begin(), values.end(),
                                        [&](const auto& entry) { return entry.first == field; });
        return found != values.end() ? &found->second : nullptr;
    }
};

SqliteRecordset::SqliteRecordset(std::shared_ptr<Connection> connection, const std::string& sql,
                                 RecordsetType type)
    : impl_(std::make_unique<Impl>()) {
    impl_->connection = std::move(connection);
    impl_->query = PrepareQuery(*impl_->connection, sql, type == dbOpenDynaset);
    impl_->Step();
}

SqliteRecordset::~SqliteRecordset() = default;

bool SqliteRecordset::Eof() const {
    return impl_->closed || impl_->eof;
}

void SqliteRecordset::MoveNext() {
    impl_->RequireCurrentRow();
    impl_->editing = false;
    impl_->pending.clear();
    impl_->written.clear();
    ++impl_->position;
    impl_->Step();
}

std::int32_t SqliteRecordset::AbsolutePosition() const {
    impl_->RequireOpen();
    return impl_->eof ? -1 : impl_->position;
}

FieldValue SqliteRecordset::Fields(const std::string& name) const {
    impl_->RequireCurrentRow();
    const int field = impl_->FieldIndex(name);
    for (const auto* values : {&impl_->pending, &impl_->written}) {
        if (const auto* value = Impl::Find(*values, field)) {
            return value->has_value() ? FieldValue(std::int64_t{**value}) : FieldValue();
        }
    }
    return ColumnValue(impl_->query.statement.get(), impl_->query.firstField + field);
}

void SqliteRecordset::Edit() {
    impl_->RequireCurrentRow();
    if (!impl_->query.Updatable()) {
        throw RuntimeError(errnum::DbReadOnly,
                           StandardErrorText(errnum::DbReadOnly) +
                               " (Die Abfrage liest nicht Zeilen aus genau einer Tabelle.)");
    }
    impl_->editing = true;
    impl_->pending.clear();
}

void SqliteRecordset::SetField(const std::string& name, std::int32_t value) {
    SetFieldValue(name, value);
}

void SqliteRecordset::SetFieldNull(const std::string& name) {
    SetFieldValue(name, std::nullopt);
}

void SqliteRecordset::SetFieldValue(const std::string& name, std::optional<std::int32_t> value) {
    impl_->RequireCurrentRow();
    if (!impl_->editing) {
        throw RuntimeError(errnum::DbUpdateWithoutEdit);
    }
    const int field = impl_->FieldIndex(name);
    auto& pending = impl_->pending;
    std::erase_if(pending, [&](const auto& entry) { return entry.first == field; });
    pending.emplace_back(field, value);
}

void SqliteRecordset::Update() {
    impl_->RequireCurrentRow();
    if (!impl_->editing) {
        throw RuntimeError(errnum::DbUpdateWithoutEdit);
    }
    if (!impl_->pending.empty()) {
        if (!impl_->writer) {
            impl_->writer = std::make_unique<RowWriter>(impl_->connection, impl_->query);
        }
        sqlite3_stmt* statement = impl_->query.statement.get();
        if (sqlite3_column_type(statement, 0) != SQLITE_INTEGER) {
            throw RuntimeError(errnum::DbReadOnly, StandardErrorText(errnum::DbReadOnly) +
                                                       " (Die Zeile hat keine Zeilennummer.)");
        }
        impl_->writer->Write(sqlite3_column_int64(statement, 0), impl_->pending);
    }
    for (const auto& entry : impl_->pending) {
        std::erase_if(impl_->written, [&](const auto& w) { return w.first == entry.first; });
        impl_->written.push_back(entry);
    }
    impl_->pending.clear();
    impl_->editing = false;
}

void SqliteRecordset::Close() {
    impl_->writer.reset();
    impl_->query.statement.reset();
    impl_->closed = true;
}

} // namespace karusello::dao
