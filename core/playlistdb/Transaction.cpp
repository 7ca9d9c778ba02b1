#include "core/playlistdb/Database.h"

namespace karusello::dao {

Transaction::Transaction(Database& db) : db_(db) {
    db_.BeginTrans();
}

Transaction::~Transaction() {
    if (open_) {
        try {
            db_.Rollback();
        } catch (...) {
            // The database may be closed already, which has rolled the transaction back.
        }
    }
}

void Transaction::Commit() {
    db_.CommitTrans();
    open_ = false;
}

} // namespace karusello::dao
