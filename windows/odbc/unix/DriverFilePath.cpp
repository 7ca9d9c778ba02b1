#include "windows/odbc/DriverFilePath.h"

namespace karusello::dao {

std::string DriverFilePath(const std::string& path) {
    return path;
}

} // namespace karusello::dao
