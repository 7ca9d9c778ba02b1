#pragma once

#include "odbcdb/OdbcConnection.h"
#include "odbcdb/OdbcRecordset.h"
#include "playlistdb/ConnectionDatabase.h"

namespace karusello::dao {

// A database over one ODBC connection.
using OdbcDatabase = ConnectionDatabase<OdbcConnection, OdbcRecordset>;

} // namespace karusello::dao
