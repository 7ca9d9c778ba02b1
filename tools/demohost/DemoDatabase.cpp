#include "tools/demohost/DemoDatabase.h"

#include <SQLiteCpp/SQLiteCpp.h>

namespace karusello::demohost {

namespace {

constexpr const char* kSchema = R"sql(
CREATE TABLE pl_name (
    nid      INTEGER PRIMARY KEY,
    Name     TEXT,
    grid     INTEGER
);
CREATE TABLE pl_all (
    plid     INTEGER PRIMARY KEY,
    pnid     INTEGER NOT NULL,
    sid      INTEGER,
    artist   TEXT,
    title    TEXT,
    duration INTEGER,
    filename TEXT
);
CREATE INDEX pl_all_pnid_plid ON pl_all (pnid, plid);
)sql";

void InsertPlaylist(SQLite::Statement& insert, const DemoPlaylist& list) {
    insert.bind(1, list.nid);
    insert.bind(2, list.name);
    if (list.grid) {
        insert.bind(3, *list.grid);
    } else {
        insert.bind(3);
    }
    insert.exec();
    insert.reset();
}

void InsertEntries(SQLite::Statement& insert, const DemoPlaylist& list, long long& plid) {
    for (int index = 0; index < list.entries; ++index) {
        const DemoEntry entry = MakeEntry(list.nid, index);
        insert.bind(1, static_cast<std::int64_t>(++plid));
        insert.bind(2, list.nid);
        insert.bind(3, index + 1);
        insert.bindNoCopy(4, entry.artist);
        insert.bindNoCopy(5, entry.title);
        insert.bind(6, entry.duration);
        insert.bindNoCopy(7, entry.filename);
        insert.exec();
        insert.reset();
    }
}

} // namespace

void WriteHostDatabase(const std::filesystem::path& file, const std::vector<DemoPlaylist>& lists) {
    SQLite::Database db(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    SQLite::Transaction transaction(db);
    db.exec(kSchema);
    SQLite::Statement insertList(db, "INSERT INTO pl_name (nid, Name, grid) VALUES (?, ?, ?)");
    SQLite::Statement insertEntry(db, "INSERT INTO pl_all (plid, pnid, sid, artist, title, "
                                      "duration, filename) VALUES (?, ?, ?, ?, ?, ?, ?)");
    long long plid = 0;
    for (const DemoPlaylist& list : lists) {
        InsertPlaylist(insertList, list);
        InsertEntries(insertEntry, list, plid);
    }
    transaction.commit();
}

} // namespace karusello::demohost
