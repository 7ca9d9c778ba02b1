#include "windows/odbc/ConnectionText.h"

#include "core/errors/RuntimeError.h"

namespace karusello::dao {

namespace {

constexpr std::string_view kSqliteDriver = "SQLite3";
constexpr std::string_view kAccessDrivers[] = {"Microsoft Access Driver (*.mdb, *.accdb)",
                                               "Microsoft Access Driver (*.mdb)"};

void RefuseCharacter(const std::string& path, std::string_view forbidden, std::string_view driver) {
    const std::size_t at = path.find_first_of(forbidden);
    if (at == std::string::npos) {
        return;
    }
    const std::string shown = path[at] == '\0' ? "NUL" : std::string(1, path[at]);
    throw RuntimeError(errnum::DbCannotOpen,
                       "Datenbank '" + path + "' kann nicht geöffnet werden: der Pfad enthält '" +
                           shown + "', das der ODBC-Treiber '" + std::string(driver) +
                           "' nicht als Teil des Pfades lesen kann.");
}

// The SQLite ODBC driver waits up to its timeout once in SQLite's busy handler and then, for
// most statements, once more in its own retry: half the engine's timeout keeps the whole wait
// within it.
long long SqliteDriverTimeout(std::chrono::milliseconds busyTimeout) {
    const long long ms = busyTimeout.count();
    return ms <= 0 ? 0 : (ms + 1) / 2;
}

} // namespace

OdbcBackend BackendFor(DatabaseFormat format) {
    switch (format) {
    case DatabaseFormat::Jet:
    case DatabaseFormat::Ace:
        return OdbcBackend::Access;
    case DatabaseFormat::Sqlite:
        break;
    }
    return OdbcBackend::Sqlite;
}

std::vector<DriverConnection> ConnectionTexts(OdbcBackend backend, const std::string& driverPath,
                                              std::chrono::milliseconds busyTimeout) {
    using namespace std::string_literals;
    std::vector<DriverConnection> connections;
    if (backend == OdbcBackend::Sqlite) {
        RefuseCharacter(driverPath, ";\0"s, kSqliteDriver);
        connections.push_back(
            {std::string(kSqliteDriver),
             "Driver={" + std::string(kSqliteDriver) + "};Database=" + driverPath +
                 ";NoCreat=1;Timeout=" + std::to_string(SqliteDriverTimeout(busyTimeout))});
        return connections;
    }
    // A value in braces ends at the first '}': such a path cannot be given at all.
    RefuseCharacter(driverPath, "}\0"s, kAccessDrivers[0]);
    const bool braces = driverPath.find_first_of(";{") != std::string::npos;
    const std::string value = braces ? "{" + driverPath + "}" : driverPath;
    for (const std::string_view driver : kAccessDrivers) {
        connections.push_back(
            {std::string(driver), "Driver={" + std::string(driver) + "};DBQ=" + value});
    }
    return connections;
}

} // namespace karusello::dao
