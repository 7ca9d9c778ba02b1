#include "windows/odbc/OdbcDriver.h"

#include "core/os/Utf8Path.h"
#include "core/playlistdb/DatabaseFile.h"
#include "windows/odbc/ConnectionText.h"
#include "windows/odbc/DriverFilePath.h"
#include "windows/odbc/OdbcConnection.h"
#include "windows/odbc/OdbcDatabase.h"

#include <filesystem>

namespace karusello::dao {

// The file is looked at first: a missing file is reported, and never handed to a driver that
// might create it; a file of another kind never reaches a driver that might write to it. The
// driver gets the absolute path: a relative one would depend on the driver's idea of the
// current folder, and the SQLite driver could take a name that begins with "file:" for a URI.
std::unique_ptr<Database> OdbcDriver::Open(const std::string& path,
                                           std::chrono::milliseconds busyTimeout) {
    const OdbcBackend backend = BackendFor(InspectDatabaseFile(path));
    const std::string absolute = PathUtf8(std::filesystem::absolute(Utf8Path(path)));
    return std::make_unique<OdbcDatabase>(std::make_shared<OdbcConnection>(
        backend, ConnectionTexts(backend, DriverFilePath(absolute), busyTimeout), writer_));
}

// Nothing to do for either backend. SQLite: every commit is in the file when CommitTrans
// returns, and no cache stays behind once the connection is closed. Access: the driver writes a
// transaction's changes synchronously at its commit (its default for explicit transactions),
// and its cache goes with the connection, which is closed before the refresh; the Jet ODBC
// driver offers no call that would refresh another process's cache, and the host's engine
// reads the changes at its own next refresh.
void OdbcDriver::RefreshCache(const std::string&, std::chrono::milliseconds) {}

} // namespace karusello::dao
