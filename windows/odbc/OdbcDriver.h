#pragma once

#include "core/playlistdb/DatabaseDriver.h"
#include "windows/odbc/RowWriterChoice.h"

namespace karusello::dao {

// The host's playlist database through ODBC: the driver is chosen by the file's own header, the
// Microsoft Access driver for a Jet or ACE file, the SQLite ODBC driver for an SQLite file.
class OdbcDriver : public DatabaseDriver {
public:
    // The tests choose how the recordsets write their rows; the program keeps the default.
    explicit OdbcDriver(RowWriterChoice writer = RowWriterChoice::ByBackend) : writer_(writer) {}

    std::unique_ptr<Database> Open(const std::string& path,
                                   std::chrono::milliseconds busyTimeout) override;
    void RefreshCache(const std::string& path, std::chrono::milliseconds busyTimeout) override;

private:
    RowWriterChoice writer_;
};

} // namespace karusello::dao
