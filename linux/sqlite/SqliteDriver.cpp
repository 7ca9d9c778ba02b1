#include "linux/sqlite/SqliteDriver.h"

#include "core/os/Utf8Path.h"
#include "linux/sqlite/Connection.h"
#include "linux/sqlite/SqliteDatabase.h"

#include <filesystem>
#include <sqlite3.h>

namespace karusello::dao {

namespace {

bool IsWalMode(const Connection& connection) {
    const StatementPtr statement = connection.Prepare("PRAGMA journal_mode");
    if (sqlite3_step(statement.get()) != SQLITE_ROW) {
        return false;
    }
    const auto* mode = reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), 0));
    return mode != nullptr && sqlite3_stricmp(mode, "wal") == 0;
}

} // namespace

std::unique_ptr<Database> SqliteDriver::Open(const std::string& path,
                                             std::chrono::milliseconds busyTimeout) {
    return std::make_unique<SqliteDatabase>(std::make_shared<Connection>(path, busyTimeout));
}

// Every commit has reached the file by the time CommitTrans returns, and SQLite keeps no cache
// that another process could miss, so there is nothing to flush or to refresh. Only a file in WAL
// mode holds committed pages outside the main file; there a passive checkpoint copies them
// over without waiting for the host's readers. The refresh is a courtesy to readers that look
// at the main file only; whatever fails here has already been committed and is not reported.
// Without a "-wal" file beside the database there is nothing to copy (no WAL mode, or the last
// connection has checkpointed it already), and no connection is opened for asking.
void SqliteDriver::RefreshCache(const std::string& path, std::chrono::milliseconds busyTimeout) {
    std::error_code ignored;
    if (!std::filesystem::exists(Utf8Path(path + "-wal"), ignored)) {
        return;
    }
    try {
        const Connection connection(path, busyTimeout);
        if (IsWalMode(connection)) {
            sqlite3_wal_checkpoint_v2(connection.Handle(), nullptr, SQLITE_CHECKPOINT_PASSIVE,
                                      nullptr, nullptr);
        }
    } catch (const RuntimeError&) {
        // The file went away or is locked: the data written before is in it all the same.
    }
}

} // namespace karusello::dao
