#include "HostFolder.h"

#include "playlistdb/DBEngine.h"
#include "sqlitedb/SqliteDriver.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace karusello::test {

HostFolder::HostFolder() {
    std::string templ = (std::filesystem::temp_directory_path() / "karusello-app-XXXXXX").string();
    path_ = mkdtemp(templ.data());
    location_ = std::make_unique<ScopedProgramLocation>(path_.string(), "karusello");
    dao::SharedDBEngine().SetDriver(std::make_shared<dao::SqliteDriver>());
}

HostFolder::~HostFolder() {
    db_.reset();
    location_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void HostFolder::WriteIni(std::int32_t handleDB, std::int32_t handleDJ, const std::string& exe) {
    WriteIniText("[PLUGIN]\r\n" + exe + "=" + exe + "\r\n[Message]\r\nHandle.DB=" +
                 std::to_string(handleDB) + "\r\nHandle.DJ=" + std::to_string(handleDJ) + "\r\n");
}

void HostFolder::WriteIniText(const std::string& text) {
    std::ofstream(IniPath(), std::ios::binary) << text;
}

std::string HostFolder::ReadIniText() const {
    std::ifstream in(IniPath(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

SQLite::Database& HostFolder::Db() {
    if (!db_) {
        db_ = std::make_unique<SQLite::Database>(DbPath().string(),
                                                 SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db_->exec("create table if not exists pl_name (nid integer primary key, Name text, "
                  "grid integer)");
        db_->exec("create table if not exists pl_all (plid integer primary key, pnid integer, "
                  "sid integer, title text)");
    }
    return *db_;
}

void HostFolder::AddPlaylist(std::int32_t nid, const std::string& name, std::optional<int> grid) {
    SQLite::Statement insert(Db(), "insert into pl_name (nid, Name, grid) values (?, ?, ?)");
    insert.bind(1, nid);
    insert.bind(2, name);
    if (grid) {
        insert.bind(3, *grid);
    } else {
        insert.bind(3);
    }
    insert.exec();
}

void HostFolder::AddEntries(std::int32_t pnid, std::int32_t count, std::int32_t firstPlid) {
    SQLite::Transaction transaction(Db());
    SQLite::Statement insert(Db(),
                             "insert into pl_all (plid, pnid, sid, title) values (?, ?, ?, ?)");
    for (std::int32_t i = 0; i < count; ++i) {
        insert.bind(1, firstPlid + i);
        insert.bind(2, pnid);
        insert.bind(3, 1000 + (firstPlid + i) * 10); // an order the shuffle must not reuse
        insert.bind(4, "Titel " + std::to_string(firstPlid + i));
        insert.exec();
        insert.reset();
    }
    transaction.commit();
}

void HostFolder::RenamePlaylist(std::int32_t nid, const std::string& name) {
    SQLite::Statement update(Db(), "update pl_name set Name = ? where nid = ?");
    update.bind(1, name);
    update.bind(2, nid);
    update.exec();
}

std::vector<std::int32_t> HostFolder::SortValues(std::int32_t pnid) {
    SQLite::Statement query(Db(), "select sid from pl_all where pnid = ? order by plid");
    query.bind(1, pnid);
    std::vector<std::int32_t> values;
    while (query.executeStep()) {
        values.push_back(query.getColumn(0).getInt());
    }
    return values;
}

} // namespace karusello::test
