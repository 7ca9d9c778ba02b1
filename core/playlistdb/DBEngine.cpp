#include "core/playlistdb/DBEngine.h"

#include "core/errors/RuntimeError.h"

namespace karusello::dao {

DatabaseDriver& DBEngine::Driver() const {
    if (!driver_) {
        throw RuntimeError(errnum::InternalError, StandardErrorText(errnum::InternalError) +
                                                      ": kein Datenbanktreiber eingerichtet");
    }
    return *driver_;
}

std::unique_ptr<Database> DBEngine::OpenDatabase(const std::string& path) {
    auto db = Driver().Open(path, busyTimeout_);
    lastPath_ = path;
    return db;
}

void DBEngine::Idle(int option) {
    if ((option & dbRefreshCache) == 0 || lastPath_.empty() || !driver_) {
        return;
    }
    driver_->RefreshCache(lastPath_, busyTimeout_);
}

DBEngine& SharedDBEngine() {
    static DBEngine engine;
    return engine;
}

} // namespace karusello::dao
