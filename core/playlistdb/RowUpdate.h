#pragma once

#include "core/playlistdb/CursorRecordset.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace karusello::dao {

// What every driver does the same way when it writes a row with a searched UPDATE, its table's
// rowid or another unique key in the WHERE clause.

// The changed fields in column order, so that one statement serves every order of the
// SetField calls; fields receives their indexes in that order.
void InColumnOrder(ChangedFields& values, std::vector<int>& fields);

// An UPDATE that finds its row by a unique key changes that row or none: none means that the
// row was deleted since it was read (DbNoCurrentRecord); more than one means that the key was
// not unique after all, and the transaction around the write must not be committed (DbGeneric).
void RequireOneRowChanged(std::int64_t changed);

// The prepared UPDATE statements of one recordset, one per set of changed fields: a
// recordset's rows nearly always change the same fields, so after the first row a write
// neither builds a text nor prepares a statement.
template <class Statement> class UpdateStatements {
public:
    // The statement for these fields, made by prepare() on first use.
    template <class Prepare> Statement& For(const std::vector<int>& fields, Prepare&& prepare) {
        if (last_ != nullptr && fields == lastFields_) {
            return *last_;
        }
        auto found = statements_.find(fields);
        if (found == statements_.end()) {
            found = statements_.emplace(fields, prepare()).first;
        }
        lastFields_ = fields;
        last_ = &found->second;
        return *last_;
    }

private:
    std::map<std::vector<int>, Statement> statements_;
    std::vector<int> lastFields_;
    Statement* last_ = nullptr;
};

} // namespace karusello::dao
