#pragma once

#include "core/playlistdb/DatabaseDriver.h"

#include <memory>

namespace karusello::dao {

// The host's playlist database as an SQLite file.
class SqliteDriver : public DatabaseDriver {
public:
    std::unique_ptr<Database> Open(const std::string& path,
                                   std::chrono::milliseconds busyTimeout) override;
    void RefreshCache(const std::string& path, std::chrono::milliseconds busyTimeout) override;
};

} // namespace karusello::dao
