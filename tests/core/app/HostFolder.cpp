#include "HostFolder.h"

#include "tests/support/hostdb/DriverUnderTest.h"

#include "core/playlistdb/DBEngine.h"

#include <fstream>
#include <sstream>

namespace karusello::test {

HostFolder::HostFolder() : path_(folder_.Path()) {
    location_ = std::make_unique<ScopedProgramLocation>(path_.string(), "karusello");
    dao::SharedDBEngine().SetDriver(MakeDriverUnderTest());
}

HostFolder::~HostFolder() {
    db_.reset();
    location_.reset();
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

HostDb& HostFolder::Db() {
    if (!db_) {
        db_ = std::make_unique<HostDb>(DbPath(), true);
        db_->Exec("create table if not exists pl_name (nid integer primary key, Name text, "
                  "grid integer)");
        db_->Exec("create table if not exists pl_all (plid integer primary key, pnid integer, "
                  "sid integer, title text)");
    }
    return *db_;
}

void HostFolder::AddPlaylist(std::int32_t nid, const std::string& name, std::optional<int> grid) {
    Db().Exec("insert into pl_name (nid, Name, grid) values (" + std::to_string(nid) + ", " +
              SqlText(name) + ", " + (grid ? std::to_string(*grid) : "null") + ")");
}

void HostFolder::AddEntries(std::int32_t pnid, std::int32_t count, std::int32_t firstPlid) {
    if (count <= 0) {
        return;
    }
    std::string insert = "insert into pl_all (plid, pnid, sid, title) values ";
    for (std::int32_t i = 0; i < count; ++i) {
        const std::int32_t plid = firstPlid + i;
        // An order the shuffle must not reuse.
        const std::int32_t sid = 1000 + plid * 10;
        insert += (i > 0 ? ", (" : "(") + std::to_string(plid) + ", " + std::to_string(pnid) +
                  ", " + std::to_string(sid) + ", " + SqlText("Titel " + std::to_string(plid)) +
                  ")";
    }
    Db().Exec(insert);
}

void HostFolder::RenamePlaylist(std::int32_t nid, const std::string& name) {
    Db().Exec("update pl_name set Name = " + SqlText(name) + " where nid = " + std::to_string(nid));
}

std::vector<std::int32_t> HostFolder::SortValues(std::int32_t pnid) {
    std::vector<std::int32_t> values;
    for (const auto& sid : Db().Column(
             "select sid from pl_all where pnid = " + std::to_string(pnid) + " order by plid")) {
        values.push_back(sid ? std::stoi(*sid) : 0);
    }
    return values;
}

} // namespace karusello::test
