#include "playlistdb/DBEngine.h"

#include "playlistdb/Connection.h"

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

std::unique_ptr<Database> DBEngine::OpenDatabase(const std::string& path) {
    auto connection = std::make_shared<Connection>(path, busyTimeout_);
    lastPath_ = path;
    return std::make_unique<Database>(std::move(connection));
}

// Every commit has reached the file by the time CommitTrans returns, and SQLite keeps no cache
// that another process could miss, so there is nothing to flush or to refresh. Only a file in WAL
// mode holds committed pages outside the main file; there a passive checkpoint copies them
// over without waiting for the host's readers. The refresh is a courtesy to readers that look
// at the main file only; whatever fails here has already been committed and is not reported.
// Without a "-wal" file beside the database there is nothing to copy (no WAL mode, or the last
// connection has checkpointed it already), and no connection is opened for asking.
void DBEngine::Idle(int option) {
    if ((option & dbRefreshCache) == 0 || lastPath_.empty()) {
        return;
    }
    std::error_code ignored;
    if (!std::filesystem::exists(lastPath_ + "-wal", ignored)) {
        return;
    }
    try {
        const Connection connection(lastPath_, busyTimeout_);
        if (IsWalMode(connection)) {
            sqlite3_wal_checkpoint_v2(connection.Handle(), nullptr, SQLITE_CHECKPOINT_PASSIVE,
                                      nullptr, nullptr);
        }
    } catch (const RuntimeError&) {
        // The file went away or is locked: the data written before is in it all the same.
    }
}

DBEngine& SharedDBEngine() {
    static DBEngine engine;
    return engine;
}

} // namespace karusello::dao
