#pragma once

#include "core/playlistdb/DatabaseFile.h"

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace karusello::dao {

// The database software behind the ODBC driver; it decides the driver, the connection text, the
// cursor, how a row is written back and what the driver's errors mean.
enum class OdbcBackend {
    Sqlite, // the SQLite ODBC driver
    Access, // the Microsoft Access driver (Jet or ACE)
};

// The backend for a file of the given format: Jet and ACE files go to the Access driver.
OdbcBackend BackendFor(DatabaseFormat format);

// One way to connect: the driver's registered name and the full connection text.
struct DriverConnection {
    std::string driver;
    std::string text;
};

// The connections to try, in order, for the file at driverPath (the path as the driver must see
// it). SQLite: "SQLite3" with NoCreat=1, so that a file that went away is never created, and
// the busy timeout. Access: the newer "(*.mdb, *.accdb)" driver, then the older "(*.mdb)" one,
// with DBQ= the path, shared and read-write (no Exclusive, no ReadOnly); the path as it is, as
// the driver's documentation writes it, and in braces only where it holds ';' or '{'. A path
// that the driver could not take as one value (so that it could add attributes of its own) is
// refused with DbCannotOpen: one with ';' for the SQLite driver, which reads a value up to the
// next ';' and knows no braces; one with '}' for the Access driver, where braces end at it.
std::vector<DriverConnection> ConnectionTexts(OdbcBackend backend, const std::string& driverPath,
                                              std::chrono::milliseconds busyTimeout);

} // namespace karusello::dao
