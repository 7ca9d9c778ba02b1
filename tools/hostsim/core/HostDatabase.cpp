#include "tools/hostsim/core/HostDatabase.h"

#include "tools/demohost/DemoCatalog.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <stdexcept>
#include <utility>

namespace karusello::hostsim {
namespace {

// The plug-in may hold the file for a moment while it writes; wait for it rather than fail.
constexpr int busyTimeoutMs = 5000;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The lower-case names of a table's columns.
std::set<std::string> ColumnsOf(SQLite::Database& db, const std::string& table) {
    std::set<std::string> names;
    SQLite::Statement query(db, "pragma table_info(" + table + ")");
    while (query.executeStep()) {
        names.insert(Lower(query.getColumn("name").getString()));
    }
    return names;
}

// The columns of pl_all beyond pnid, plid and sid. A database without one (an older or a
// hand-made one) shows it empty and gets no value for it.
struct EntryColumns {
    bool artist = false;
    bool title = false;
    bool duration = false;
    bool filename = false;
};

EntryColumns EntryColumnsOf(SQLite::Database& db) {
    const std::set<std::string> names = ColumnsOf(db, "pl_all");
    return {names.count("artist") > 0, names.count("title") > 0, names.count("duration") > 0,
            names.count("filename") > 0};
}

std::string InsertEntry(const EntryColumns& columns) {
    std::string names = "pnid, plid, sid";
    std::string values = "?, ?, ?";
    for (const auto& [present, name] :
         {std::pair{columns.artist, ", artist"}, std::pair{columns.title, ", title"},
          std::pair{columns.duration, ", duration"}, std::pair{columns.filename, ", filename"}}) {
        if (present) {
            names += name;
            values += ", ?";
        }
    }
    return "insert into pl_all (" + names + ") values (" + values + ")";
}

std::string SelectEntries(const EntryColumns& columns) {
    return std::string("select plid, sid, ") + (columns.artist ? "artist" : "''") + ", " +
           (columns.title ? "title" : "''") + ", " + (columns.duration ? "duration" : "0") +
           " from pl_all where pnid = ? order by sid, plid";
}

std::optional<std::int32_t> OptionalInt(const SQLite::Column& column) {
    if (column.isNull()) {
        return std::nullopt;
    }
    return column.getInt();
}

std::string TextOf(const SQLite::Column& column) {
    return column.isNull() ? std::string() : column.getString();
}

PlaylistInfo InfoOf(SQLite::Statement& query) {
    PlaylistInfo info;
    info.nid = query.getColumn(0).getInt();
    if (!query.getColumn(1).isNull()) {
        info.name = query.getColumn(1).getString();
    }
    info.grid = OptionalInt(query.getColumn(2));
    return info;
}

// The plids of a playlist, ascending.
std::vector<std::int64_t> PlidsOf(SQLite::Database& db, std::int32_t nid) {
    std::vector<std::int64_t> plids;
    SQLite::Statement query(db, "select plid from pl_all where pnid = ? order by plid");
    query.bind(1, nid);
    while (query.executeStep()) {
        plids.push_back(query.getColumn(0).getInt64());
    }
    return plids;
}

std::int32_t CountOf(SQLite::Database& db, std::int32_t nid) {
    SQLite::Statement query(db, "select count(*) from pl_all where pnid = ?");
    query.bind(1, nid);
    query.executeStep();
    return query.getColumn(0).getInt();
}

// The largest value the query finds, 0 when there is none.
std::int64_t MaxOf(SQLite::Database& db, const std::string& sql, std::int32_t nid) {
    SQLite::Statement query(db, sql);
    if (query.getBindParameterCount() > 0) {
        query.bind(1, nid);
    }
    query.executeStep();
    return query.getColumn(0).isNull() ? 0 : query.getColumn(0).getInt64();
}

} // namespace

HostDatabase::HostDatabase(std::filesystem::path path) : path_(std::move(path)) {}

SQLite::Database HostDatabase::Open() const {
    // Never creates the file: a host without its database is an error, not an empty host.
    SQLite::Database db(path_.string(), SQLite::OPEN_READWRITE, busyTimeoutMs);
    return db;
}

void HostDatabase::RequirePlaylist(SQLite::Database& db, std::int32_t nid) const {
    SQLite::Statement query(db, "select count(*) from pl_name where nid = ?");
    query.bind(1, nid);
    query.executeStep();
    if (query.getColumn(0).getInt() == 0) {
        throw std::runtime_error("no playlist " + std::to_string(nid));
    }
}

std::vector<PlaylistInfo> HostDatabase::Playlists() const {
    SQLite::Database db = Open();
    std::vector<PlaylistInfo> playlists;
    SQLite::Statement query(db, "select nid, Name, grid from pl_name order by nid");
    while (query.executeStep()) {
        playlists.push_back(InfoOf(query));
    }
    return playlists;
}

std::optional<Playlist> HostDatabase::Read(std::int32_t nid) const {
    SQLite::Database db = Open();
    // One read transaction, so that the name and the entries belong together even while the
    // plug-in writes.
    SQLite::Transaction transaction(db);
    SQLite::Statement info(db, "select nid, Name, grid from pl_name where nid = ?");
    info.bind(1, nid);
    if (!info.executeStep()) {
        return std::nullopt;
    }
    Playlist playlist;
    playlist.info = InfoOf(info);
    SQLite::Statement entries(db, SelectEntries(EntryColumnsOf(db)));
    entries.bind(1, nid);
    while (entries.executeStep()) {
        PlaylistEntry entry;
        entry.plid = entries.getColumn(0).getInt64();
        entry.sid = OptionalInt(entries.getColumn(1));
        entry.artist = TextOf(entries.getColumn(2));
        entry.title = TextOf(entries.getColumn(3));
        entry.seconds = entries.getColumn(4).getInt();
        playlist.entries.push_back(std::move(entry));
    }
    transaction.commit();
    return playlist;
}

void HostDatabase::Rename(std::int32_t nid, const std::string& name) {
    SQLite::Database db = Open();
    SQLite::Transaction transaction(db);
    RequirePlaylist(db, nid);
    SQLite::Statement update(db, "update pl_name set Name = ? where nid = ?");
    update.bind(1, name);
    update.bind(2, nid);
    update.exec();
    transaction.commit();
}

void HostDatabase::SetGrid(std::int32_t nid, std::optional<std::int32_t> grid) {
    SQLite::Database db = Open();
    SQLite::Transaction transaction(db);
    RequirePlaylist(db, nid);
    SQLite::Statement update(db, "update pl_name set grid = ? where nid = ?");
    if (grid) {
        update.bind(1, *grid);
    } else {
        update.bind(1);
    }
    update.bind(2, nid);
    update.exec();
    transaction.commit();
}

void HostDatabase::Delete(std::int32_t nid) {
    SQLite::Database db = Open();
    SQLite::Transaction transaction(db);
    RequirePlaylist(db, nid);
    for (const char* sql :
         {"delete from pl_all where pnid = ?", "delete from pl_name where nid = ?"}) {
        SQLite::Statement remove(db, sql);
        remove.bind(1, nid);
        remove.exec();
    }
    transaction.commit();
}

std::int32_t HostDatabase::AddEntries(std::int32_t nid, std::int32_t count) {
    SQLite::Database db = Open();
    SQLite::Transaction transaction(db);
    RequirePlaylist(db, nid);
    const EntryColumns columns = EntryColumnsOf(db);
    const std::int64_t lastPlid = MaxOf(db, "select max(plid) from pl_all", nid);
    const std::int64_t lastSid = MaxOf(db, "select max(sid) from pl_all where pnid = ?", nid);
    const std::int32_t before = CountOf(db, nid);
    SQLite::Statement insert(db, InsertEntry(columns));
    for (std::int32_t i = 1; i <= count; ++i) {
        // The same invented content as the demo host's own entries.
        const demohost::DemoEntry made = demohost::MakeEntry(nid, before + i - 1);
        int next = 1;
        insert.bind(next++, nid);
        insert.bind(next++, static_cast<std::int64_t>(lastPlid + i));
        insert.bind(next++, static_cast<std::int64_t>(lastSid + i));
        if (columns.artist) {
            insert.bind(next++, made.artist);
        }
        if (columns.title) {
            insert.bind(next++, made.title);
        }
        if (columns.duration) {
            insert.bind(next++, made.duration);
        }
        if (columns.filename) {
            insert.bind(next++, made.filename);
        }
        insert.exec();
        insert.reset();
    }
    const std::int32_t entries = CountOf(db, nid);
    transaction.commit();
    return entries;
}

std::int32_t HostDatabase::RemoveEntries(std::int32_t nid, std::int32_t count,
                                         std::optional<std::int32_t> position) {
    SQLite::Database db = Open();
    SQLite::Transaction transaction(db);
    RequirePlaylist(db, nid);
    const std::vector<std::int64_t> plids = PlidsOf(db, nid);
    const auto size = static_cast<std::int64_t>(plids.size());
    const std::int64_t first = position ? std::min<std::int64_t>(*position, size)
                                        : std::max<std::int64_t>(0, size - count);
    const std::int64_t last = std::min<std::int64_t>(size, first + count);
    SQLite::Statement remove(db, "delete from pl_all where pnid = ? and plid = ?");
    for (std::int64_t i = first; i < last; ++i) {
        remove.bind(1, nid);
        remove.bind(2, plids[static_cast<std::size_t>(i)]);
        remove.exec();
        remove.reset();
    }
    const std::int32_t entries = CountOf(db, nid);
    transaction.commit();
    return entries;
}

} // namespace karusello::hostsim
