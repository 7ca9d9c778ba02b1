#pragma once

// The host's side of its playlist database in the tests: a connection of its own to the file, as
// the host program has one, to set the database up, change it behind the program's back, hold
// its locks and look at what the program wrote. SQLite through SQLiteCpp on Linux, through the
// SQLite ODBC driver on Windows (where no SQLite library is at hand).

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace karusello::test {

class HostDb {
public:
    // Opens the database file; create: an empty database is made when the file is missing.
    explicit HostDb(const std::filesystem::path& file, bool create = false);
    ~HostDb();
    HostDb(HostDb&&) noexcept;
    HostDb& operator=(HostDb&&) noexcept;

    // Runs one statement; a transaction begun with BEGIN stays open until COMMIT or ROLLBACK.
    // Throws std::runtime_error with the database's message when it fails.
    void Exec(const std::string& sql);
    // Every row of a query, each field as text (numbers in their decimal form); null: nothing.
    std::vector<std::vector<std::optional<std::string>>> Rows(const std::string& sql);
    // The first field of every row.
    std::vector<std::optional<std::string>> Column(const std::string& sql);
    // The first column of the first row; throws when there is no row or it is null.
    std::string Value(const std::string& sql);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// A text as an SQL string literal.
std::string SqlText(const std::string& text);

// Holds a lock on the database on a thread of its own, as the host does while it writes: begin
// ("BEGIN IMMEDIATE" for the write lock, "BEGIN EXCLUSIVE" to keep readers out too) and one
// write, then COMMIT after holdFor, or when the object goes (holdFor zero: only then).
class HostWriteLock {
public:
    HostWriteLock(const std::filesystem::path& file, const std::string& begin,
                  std::chrono::milliseconds holdFor = std::chrono::milliseconds(0));
    ~HostWriteLock();
    HostWriteLock(const HostWriteLock&) = delete;
    HostWriteLock& operator=(const HostWriteLock&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable released_;
    bool release_ = false;
    std::thread holder_;
};

} // namespace karusello::test
