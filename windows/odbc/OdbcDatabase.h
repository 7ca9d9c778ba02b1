#pragma once

#include "windows/odbc/OdbcConnection.h"
#include "windows/odbc/OdbcRecordset.h"
#include "core/playlistdb/ConnectionDatabase.h"

namespace karusello::dao {

// A database over one ODBC connection.
using OdbcDatabase = ConnectionDatabase<OdbcConnection, OdbcRecordset>;

} // namespace karusello::dao
