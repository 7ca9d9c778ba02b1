#pragma once

#include "core/playlistdb/ConnectionDatabase.h"
#include "linux/sqlite/Connection.h"
#include "linux/sqlite/SqliteRecordset.h"

namespace karusello::dao {

// A database over one SQLite connection.
using SqliteDatabase = ConnectionDatabase<Connection, SqliteRecordset>;

} // namespace karusello::dao
