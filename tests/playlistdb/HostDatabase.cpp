#include "HostDatabase.h"

#include <cstdlib>

namespace karusello::dao::test {

HostDatabaseTest::HostDatabaseTest() : path_((folder_.Path() / "brisolan.mdb").string()) {
    SQLite::Database db(path_, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec("CREATE TABLE pl_name (nid INTEGER PRIMARY KEY, Name TEXT, grid INTEGER);"
            "CREATE TABLE pl_all (plid INTEGER PRIMARY KEY, pnid INTEGER, sid INTEGER, "
            "  artist TEXT, title TEXT, duration INTEGER);"
            "CREATE INDEX pl_all_pnid_plid ON pl_all (pnid, plid);"
            "INSERT INTO pl_name VALUES (17, 'Morgenshow', 0), (23, 'Stundenraster', -1),"
            "  (31, 'Leer', 0), (40, NULL, NULL);");
    engine_.SetBusyTimeout(std::chrono::milliseconds(200));
}

void HostDatabaseTest::AddEntries(std::int64_t pnid, std::int64_t firstPlid, int count) {
    SQLite::Database db = HostConnection();
    SQLite::Transaction transaction(db);
    SQLite::Statement insert(db, "INSERT INTO pl_all VALUES (?, ?, ?, 'Artist', ?, 200)");
    for (int i = 0; i < count; ++i) {
        insert.bind(1, firstPlid + i);
        insert.bind(2, pnid);
        insert.bind(3, 10 * (i + 1));
        insert.bind(4, "Titel " + std::to_string(firstPlid + i));
        insert.exec();
        insert.reset();
    }
    transaction.commit();
}

SQLite::Database HostDatabaseTest::HostConnection() const {
    return SQLite::Database(path_, SQLite::OPEN_READWRITE);
}

std::vector<EntryRow> HostDatabaseTest::Entries(std::int64_t pnid) const {
    SQLite::Database db = HostConnection();
    SQLite::Statement select(db, "SELECT plid, pnid, sid, title FROM pl_all WHERE pnid = ? "
                                 "ORDER BY plid");
    select.bind(1, pnid);
    std::vector<EntryRow> rows;
    while (select.executeStep()) {
        std::optional<std::int64_t> sid;
        if (!select.getColumn(2).isNull()) {
            sid = select.getColumn(2).getInt64();
        }
        rows.push_back({select.getColumn(0).getInt64(), select.getColumn(1).getInt64(), sid,
                        select.getColumn(3).getString()});
    }
    return rows;
}

} // namespace karusello::dao::test
