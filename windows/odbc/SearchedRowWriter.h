#pragma once

#include "core/playlistdb/CursorRecordset.h"
#include "core/playlistdb/RowUpdate.h"
#include "windows/odbc/BoundValue.h"
#include "windows/odbc/OdbcConnection.h"
#include "windows/odbc/OdbcQuery.h"
#include "windows/odbc/OdbcTableKey.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace karusello::dao {

// Writes the changed fields of a recordset's current row with a searched UPDATE of its table:
// UPDATE <table> SET <column>=? ... WHERE <key>=? [AND ...], on the recordset's connection. The
// key is the row's own (its rowid, or its values of the table's primary key or unique index),
// whatever the other rows hold; exactly one row must change.
class SearchedRowWriter {
public:
    // SQLite: by the hidden rowid that the query fetched.
    static std::unique_ptr<SearchedRowWriter> ByRowid(std::shared_ptr<OdbcConnection> connection,
                                                      const OdbcQuery& query);
    // By the table's key, whose values are fields of the row.
    static std::unique_ptr<SearchedRowWriter> ByKey(std::shared_ptr<OdbcConnection> connection,
                                                    const OdbcQuery& query, const RowKey& key);

    // rowid: the row's hidden rowid, where the query has one; row: its fields as read.
    void Write(std::optional<std::int64_t> rowid, const std::vector<FieldValue>& row,
               const ChangedFields& values);

private:
    SearchedRowWriter(std::shared_ptr<OdbcConnection> connection, const OdbcQuery& query,
                      std::string table, std::vector<std::string> keyTerms,
                      std::vector<int> keyFields);

    std::vector<BoundValue> KeyValues(std::optional<std::int64_t> rowid,
                                      const std::vector<FieldValue>& row) const;

    std::shared_ptr<OdbcConnection> connection_;
    // Names as they go into the text, quoted where they need it.
    std::string table_;
    std::vector<std::string> columns_;
    std::vector<std::string> keyTerms_;
    // The fields that hold the key; none: the key is the rowid.
    std::vector<int> keyFields_;
    std::vector<ColumnKind> keyKinds_;
    UpdateStatements<OdbcHandle> statements_;
    ChangedFields sorted_;
    std::vector<int> fields_;
};

} // namespace karusello::dao
