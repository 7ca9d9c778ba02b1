#include "windows/odbc/OdbcError.h"

#include <optional>
#include <string_view>

namespace karusello::dao {

namespace {

// A row of the table: what a record must show for the number to apply. Empty or missing parts
// match anything; the first matching row wins.
struct ErrorRule {
    std::optional<OdbcBackend> backend;
    std::string_view state;
    std::optional<std::int32_t> native;
    std::string_view messagePart;
    int number;
};

constexpr auto kSqlite = OdbcBackend::Sqlite;
constexpr auto kAccess = OdbcBackend::Access;
constexpr auto kAny = std::nullopt;

// The SQLite ODBC driver reports SQLite's failures as HY000 with SQLite's result code as the
// native error (5 busy, 6 locked, 8 read-only, 11 corrupt, 14 cannot open, 26 not a database;
// 1 a plain error, which covers both a malformed text and an unknown name) and its own
// refusals with -1. The Access driver reports the standard SQLSTATEs; an unknown column in
// its queries counts as a parameter without a value ("Too few parameters", 07002). Its general
// errors (HY000, or S1000 as ODBC 2 named it) carry the Jet engine's own error code as the
// native error, in every language of its messages: -1032 a file that cannot be used, opened
// exclusively by another program or locked as a whole; -1102 a row or page that another user
// has locked; -1811 a file not found. Jet's lock limit per file (a transaction that needs more
// locks than the registry entry MaxLocksPerFile allows) is told by the entry's name, which its
// message holds in every language.
constexpr ErrorRule kRules[] = {
    {kAccess, "", kAny, "MaxLocksPerFile", errnum::DbLockLimit},
    {kAccess, "", -1032, "", errnum::DbFileInUse},
    {kAccess, "", -1102, "", errnum::DbLocked},
    {kAccess, "", -1811, "", errnum::DbFileNotFound},
    {kSqlite, "HY000", 5, "", errnum::DbLocked},
    {kSqlite, "HY000", 6, "", errnum::DbLocked},
    {kSqlite, "HY000", 8, "", errnum::DbReadOnly},
    {kSqlite, "HY000", 11, "", errnum::DbCannotOpen},
    {kSqlite, "HY000", 14, "", errnum::DbCannotOpen},
    {kSqlite, "HY000", 26, "", errnum::DbUnrecognizedFormat},
    {kSqlite, "HY000", 1, "no such table", errnum::DbItemNotFound},
    {kSqlite, "HY000", 1, "no such column", errnum::DbItemNotFound},
    {kSqlite, "HY000", 1, "", errnum::DbSyntax},
    {kSqlite, "HY000", -1, "only one SQL statement", errnum::DbSyntax},
    {kAny, "42S02", kAny, "", errnum::DbItemNotFound},
    {kAny, "42S22", kAny, "", errnum::DbItemNotFound},
    {kAny, "07002", kAny, "", errnum::DbItemNotFound},
    {kAny, "42000", kAny, "", errnum::DbSyntax},
    {kAny, "37000", kAny, "", errnum::DbSyntax},
    {kAny, "HYT00", kAny, "", errnum::DbLocked},
    {kAny, "40001", kAny, "", errnum::DbLocked},
    {kAny, "25000", kAny, "", errnum::DbGeneric},
    {kAny, "24000", kAny, "", errnum::DbNoCurrentRecord},
    {kAny, "HY109", kAny, "", errnum::DbNoCurrentRecord},
    {kAny, "08001", kAny, "", errnum::DbCannotOpen},
    {kAny, "08004", kAny, "", errnum::DbCannotOpen},
    {kAny, "IM002", kAny, "", errnum::DbCannotOpen},
    {kAny, "IM003", kAny, "", errnum::DbCannotOpen},
};

bool Matches(const ErrorRule& rule, OdbcBackend backend, const OdbcDiagnostic& diagnostic) {
    return (!rule.backend || *rule.backend == backend) &&
           (rule.state.empty() || rule.state == diagnostic.state) &&
           (!rule.native || *rule.native == diagnostic.native) &&
           (rule.messagePart.empty() ||
            diagnostic.message.find(rule.messagePart) != std::string::npos);
}

bool IsWarning(const OdbcDiagnostic& diagnostic) {
    return diagnostic.state.rfind("01", 0) == 0;
}

} // namespace

int ErrorNumberFor(OdbcBackend backend, const OdbcDiagnostic& diagnostic) {
    for (const ErrorRule& rule : kRules) {
        if (Matches(rule, backend, diagnostic)) {
            return rule.number;
        }
    }
    return errnum::DbGeneric;
}

RuntimeError OdbcError(OdbcBackend backend, const std::vector<OdbcDiagnostic>& diagnostics) {
    if (diagnostics.empty()) {
        return RuntimeError(errnum::DbGeneric, StandardErrorText(errnum::DbGeneric) +
                                                   " (ODBC: der Treiber nennt keinen Grund)");
    }
    const OdbcDiagnostic* chosen = &diagnostics.front();
    for (const OdbcDiagnostic& diagnostic : diagnostics) {
        if (!IsWarning(diagnostic)) {
            chosen = &diagnostic;
            break;
        }
    }
    const int number =
        IsDriverMissing(diagnostics) ? errnum::DbCannotOpen : ErrorNumberFor(backend, *chosen);
    // The native error goes along: with the Access driver it is Jet's own error code.
    return RuntimeError(number, StandardErrorText(number) + " (ODBC " + chosen->state + " " +
                                    std::to_string(chosen->native) + ": " + chosen->message + ")");
}

// Windows' driver manager says IM002 (no such driver) or IM003 (cannot load it); unixODBC says
// 01000 "Can't open lib" for a driver that is not registered or whose library is missing.
bool IsDriverMissing(const std::vector<OdbcDiagnostic>& diagnostics) {
    for (const OdbcDiagnostic& diagnostic : diagnostics) {
        if (diagnostic.state == "IM002" || diagnostic.state == "IM003" ||
            (diagnostic.state == "01000" &&
             diagnostic.message.find("Can't open lib") != std::string::npos)) {
            return true;
        }
    }
    return false;
}

bool IsFunctionUnsupported(const std::vector<OdbcDiagnostic>& diagnostics) {
    for (const OdbcDiagnostic& diagnostic : diagnostics) {
        if (diagnostic.state == "IM001" || diagnostic.state == "HYC00") {
            return true;
        }
    }
    return false;
}

} // namespace karusello::dao
