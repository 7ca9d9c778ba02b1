#pragma once

#include "core/errors/RuntimeError.h"

#include <string>

struct sqlite3;

namespace karusello::dao {

// The program's error for an SQLite result code: the error number that matches the failure,
// its standard text and SQLite's own message.
RuntimeError SqliteError(int resultCode, const std::string& sqliteMessage);

// The error of the last failed call on a connection.
RuntimeError SqliteError(sqlite3* handle, int resultCode);

} // namespace karusello::dao
