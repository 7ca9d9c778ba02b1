#include "linux/sqlite/SqliteError.h"

#include <sqlite3.h>

namespace karusello::dao {

namespace {

bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

int ErrorNumber(int resultCode, const std::string& message) {
    switch (resultCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return errnum::DbLocked;
    case SQLITE_READONLY:
        return errnum::DbReadOnly;
    case SQLITE_NOTADB:
        return errnum::DbUnrecognizedFormat;
    case SQLITE_CORRUPT:
    case SQLITE_CANTOPEN:
        return errnum::DbCannotOpen;
    case SQLITE_ERROR:
        // SQLite reports both a malformed text and an unknown name as a plain error.
        if (Contains(message, "no such table") || Contains(message, "no such column")) {
            return errnum::DbItemNotFound;
        }
        return errnum::DbSyntax;
    default:
        return errnum::DbGeneric;
    }
}

} // namespace

RuntimeError SqliteError(int resultCode, const std::string& sqliteMessage) {
    const int number = ErrorNumber(resultCode, sqliteMessage);
    return RuntimeError(number, StandardErrorText(number) + " (SQLite: " + sqliteMessage + ")");
}

RuntimeError SqliteError(sqlite3* handle, int resultCode) {
    const char* message = handle != nullptr ? sqlite3_errmsg(handle) : sqlite3_errstr(resultCode);
    return SqliteError(resultCode, message != nullptr ? message : "");
}

} // namespace karusello::dao
