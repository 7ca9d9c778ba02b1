#pragma once

#include "core/check/CheckItem.h"
#include "core/playlistdb/Database.h"

#include <cstdint>

namespace karusello::check {

// Runs the write path of a shuffle once on the playlist's entries, inside one transaction that
// is rolled back: each entry gets a new sort value through the entry query's recordset (Edit,
// set the field, Update), the values are read back through a query of their own, the old ones
// go back the same way and are read back too; then the transaction is rolled back and the
// values are read once more. Nothing is committed. The item says how far it got; a failure or a
// value that did not arrive is a problem.
CheckItem TryWritePath(dao::Database& db, std::int32_t playlistId);

} // namespace karusello::check
