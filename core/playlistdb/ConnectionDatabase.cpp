#include "core/playlistdb/ConnectionDatabase.h"

#include "core/errors/RuntimeError.h"

namespace karusello::dao {

void ThrowDatabaseClosed() {
    throw RuntimeError(errnum::DbGeneric, "Die Datenbank ist geschlossen.");
}

void ThrowTransactionAlreadyOpen() {
    throw RuntimeError(errnum::DbGeneric, "Es ist bereits eine Transaktion offen.");
}

void ThrowNoTransactionToCommit() {
    throw RuntimeError(errnum::DbGeneric, "Keine Transaktion offen: nichts festgeschrieben.");
}

} // namespace karusello::dao
