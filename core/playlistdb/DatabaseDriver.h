#pragma once

#include "core/playlistdb/Database.h"

#include <chrono>
#include <memory>
#include <string>

namespace karusello::dao {

// What the engine needs of the database software below it: SQLite on Linux, ODBC on Windows.
class DatabaseDriver {
public:
    virtual ~DatabaseDriver() = default;
    // Opens an existing database file shared, for reading and writing; never creates one.
    // DbFileNotFound for a missing file, DbUnrecognizedFormat for a file it cannot read as a
    // database. Every call on the database waits up to busyTimeout for the host's locks.
    virtual std::unique_ptr<Database> Open(const std::string& path,
                                           std::chrono::milliseconds busyTimeout) = 0;
    // After writes to the file at path: makes sure that they are in the file for other readers.
    // Never reports a failure: what was committed is in the file all the same.
    virtual void RefreshCache(const std::string& path, std::chrono::milliseconds busyTimeout) = 0;
};

} // namespace karusello::dao
