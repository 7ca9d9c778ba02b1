#pragma once

#include "playlistdb/ConnectionDatabase.h"
#include "sqlitedb/Connection.h"
#include "sqlitedb/SqliteRecordset.h"

namespace karusello::dao {

// A database over one SQLite connection.
using SqliteDatabase = ConnectionDatabase<Connection, SqliteRecordset>;

} // namespace karusello::dao
