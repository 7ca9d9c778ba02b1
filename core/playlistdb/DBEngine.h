#pragma once

#include "core/playlistdb/Database.h"
#include "core/playlistdb/DatabaseDriver.h"

#include <chrono>
#include <memory>
#include <string>

namespace karusello::dao {

inline constexpr int dbRefreshCache = 8;

// The database engine: one per process, created on first use. The program's entry point gives
// it the platform's driver before the first database is opened.
class DBEngine {
public:
    DBEngine() = default;
    explicit DBEngine(std::shared_ptr<DatabaseDriver> driver) : driver_(std::move(driver)) {}

    void SetDriver(std::shared_ptr<DatabaseDriver> driver) { driver_ = std::move(driver); }

    // Opens an existing database file shared, for reading and writing; never creates one.
    // DbFileNotFound for a missing file, DbUnrecognizedFormat (with what was found) for a file
    // the driver cannot read. Waits a bounded time for the host's locks.
    std::unique_ptr<Database> OpenDatabase(const std::string& path);
    // With dbRefreshCache: makes sure that what was written is in the file for other readers.
    void Idle(int option);

    // How long an operation waits for a lock that another process holds before it fails with
    // DbLocked; applies to databases opened afterwards.
    void SetBusyTimeout(std::chrono::milliseconds timeout) { busyTimeout_ = timeout; }
    std::chrono::milliseconds BusyTimeout() const { return busyTimeout_; }

    static constexpr std::chrono::milliseconds kDefaultBusyTimeout{10000};

private:
    DatabaseDriver& Driver() const;

    std::shared_ptr<DatabaseDriver> driver_;
    std::chrono::milliseconds busyTimeout_ = kDefaultBusyTimeout;
    std::string lastPath_;
};

DBEngine& SharedDBEngine();

} // namespace karusello::dao
