#pragma once

#include <string>

namespace karusello::dao {

// The path of a database file as the ODBC driver must see it in its connection text. Under Wine
// the driver is the Linux one behind unixODBC and needs the file's Unix path; on Windows itself
// and on Linux it is the path as given. Both UTF-8.
std::string DriverFilePath(const std::string& path);

} // namespace karusello::dao
