#include "HostDatabase.h"

#include <fstream>
#include <iterator>

namespace karusello::dao::test {

std::string AccessHeader(const std::string& engine) {
    std::string header("\x00\x01\x00\x00", 4);
    header += engine;
    header += std::string(2048 - header.size(), '\0');
    return header;
}

HostDatabaseTest::HostDatabaseTest() : path_((folder_.Path() / "brisolan.mdb").string()) {
    HostDb db(path_, true);
    db.Exec("CREATE TABLE pl_name (nid INTEGER PRIMARY KEY, Name TEXT, grid INTEGER)");
    db.Exec("CREATE TABLE pl_all (plid INTEGER PRIMARY KEY, pnid INTEGER, sid INTEGER, "
            "  artist TEXT, title TEXT, duration INTEGER)");
    db.Exec("CREATE INDEX pl_all_pnid_plid ON pl_all (pnid, plid)");
    db.Exec("INSERT INTO pl_name VALUES (17, 'Morgenshow', 0), (23, 'Stundenraster', -1),"
            "  (31, 'Leer', 0), (40, NULL, NULL)");
    engine_.SetBusyTimeout(std::chrono::milliseconds(200));
}

void HostDatabaseTest::AddEntries(std::int64_t pnid, std::int64_t firstPlid, int count) {
    std::string insert = "INSERT INTO pl_all VALUES ";
    for (int i = 0; i < count; ++i) {
        const std::int64_t plid = firstPlid + i;
        insert += (i > 0 ? ", (" : "(") + std::to_string(plid) + ", " + std::to_string(pnid) +
                  ", " + std::to_string(10 * (i + 1)) + ", 'Artist', 'Titel " +
                  std::to_string(plid) + "', 200)";
    }
    HostConnection().Exec(insert);
}

HostDb HostDatabaseTest::HostConnection() const {
    return HostDb(path_);
}

std::vector<EntryRow> HostDatabaseTest::Entries(std::int64_t pnid) const {
    std::vector<EntryRow> rows;
    for (const auto& row : HostConnection().Rows("SELECT plid, pnid, sid, title FROM pl_all "
                                                 "WHERE pnid = " +
                                                 std::to_string(pnid) + " ORDER BY plid")) {
        std::optional<std::int64_t> sid;
        if (row.at(2)) {
            sid = std::stoll(*row.at(2));
        }
        rows.push_back({std::stoll(row.at(0).value()), std::stoll(row.at(1).value()), sid,
                        row.at(3).value_or("")});
    }
    return rows;
}

std::string HostDatabaseTest::WriteFile(const std::string& name, const std::string& content) const {
    const std::filesystem::path file = folder_.Path() / name;
    std::ofstream(file, std::ios::binary) << content;
    return file.string();
}

std::string HostDatabaseTest::Content(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

RuntimeError HostDatabaseTest::OpenError(const std::string& file) {
    return ErrorOf([&] { engine_.OpenDatabase(file); });
}

} // namespace karusello::dao::test
