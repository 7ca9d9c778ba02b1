#include "bench/Baseline.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <string>

namespace karusello::bench {

namespace {

std::string EntryQuery(std::int32_t playlistId) {
    return "select rowid, * from pl_all where pnid=" + std::to_string(playlistId) +
           " order by plid asc";
}

} // namespace

void BaselineShuffle(const std::filesystem::path& database, std::int32_t playlistId,
                     std::minstd_rand& random) {
    SQLite::Database db(database.string(), SQLite::OPEN_READWRITE);
    db.exec("BEGIN IMMEDIATE");
    SQLite::Statement count(db, "select count(*) as anz from pl_all where pnid=" +
                                    std::to_string(playlistId));
    count.executeStep();
    const auto range = static_cast<std::uint32_t>(count.getColumn(0).getInt() + 100);
    SQLite::Statement entries(db, EntryQuery(playlistId));
    SQLite::Statement update(db, "UPDATE \"pl_all\" SET \"sid\"=? WHERE rowid=?");
    while (entries.executeStep()) {
        update.bind(1, static_cast<int>(random() % range));
        update.bind(2, entries.getColumn(0).getInt64());
        update.exec();
        update.reset();
    }
    db.exec("COMMIT");
}

void BaselineRestore(const std::filesystem::path& database, std::int32_t playlistId,
                     const std::vector<std::int32_t>& saved) {
    SQLite::Database db(database.string(), SQLite::OPEN_READWRITE);
    db.exec("BEGIN IMMEDIATE");
    SQLite::Statement entries(db, EntryQuery(playlistId));
    SQLite::Statement update(db, "UPDATE \"pl_all\" SET \"sid\"=? WHERE rowid=?");
    std::size_t position = 0;
    while (entries.executeStep()) {
        update.bind(1, position < saved.size() ? saved[position] : 0);
        update.bind(2, entries.getColumn(0).getInt64());
        update.exec();
        update.reset();
        ++position;
    }
    db.exec("COMMIT");
}

void BaselineNameRead(const std::filesystem::path& database, std::int32_t playlistId) {
    SQLite::Database db(database.string(), SQLite::OPEN_READWRITE);
    SQLite::Statement name(db, "select * from pl_name where nid=" + std::to_string(playlistId));
    if (name.executeStep()) {
        static_cast<void>(name.getColumn("Name").getString());
        static_cast<void>(name.getColumn("grid").getInt());
    }
}

std::vector<std::int32_t> SortValues(const std::filesystem::path& database,
                                     std::int32_t playlistId) {
    SQLite::Database db(database.string(), SQLite::OPEN_READONLY);
    SQLite::Statement query(db, "select sid from pl_all where pnid=" + std::to_string(playlistId) +
                                    " order by plid asc");
    std::vector<std::int32_t> values;
    while (query.executeStep()) {
        values.push_back(query.getColumn(0).getInt());
    }
    return values;
}

} // namespace karusello::bench
