// The pieces of a click that do not grow with the playlist, one by one, so that the fixed part of
// the shuffle's and the restore's time can be told apart: the opening of a connection, the
// engine's refresh after writing, the re-reading of the host INI file (nine keys, each read from
// the file anew) beside one key, and the opening of the entry query (the program prepares it
// twice to learn its table and asks SQLite about the columns) beside a single prepare.
#include "bench/Benchmarks.h"
#include "bench/HostDatabases.h"
#include "bench/Paired.h"
#include "bench/Summary.h"
#include "core/config/GlobalValues.h"
#include "core/config/ProgramLocation.h"
#include "core/config/ToolBox.h"
#include "core/playlistdb/DBEngine.h"
#include "core/playlistdb/PlaylistQueries.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <exception>
#include <vector>

namespace karusello::bench {

namespace {

constexpr int kRuns = 200;

void Piece(benchmark::State& state, const std::string& name, const std::function<void()>& work) {
    std::vector<double> times;
    for (auto _ : state) {
        const Sample s = Measure(work);
        state.SetIterationTime(s.wall);
        times.push_back(s.wall);
    }
    std::sort(times.begin(), times.end());
    Record({"fixed: " + name, "-", times[times.size() / 2] * 1e6, 0, "us", 0, "", true, 0});
}

const BenchHost& Host() {
    return HostDatabases::Instance().For(kSizes.front());
}

void Refresh(benchmark::State& state) {
    const ScopedProgramLocation location(Host().folder.string(), "karusello");
    GlobalValues globals;
    Piece(state, "GlobalValues::Refresh", [&] { globals.Refresh(); });
}

// One key on its own: a stat of the path and a read of the file that the reads before opened.
void OneKey(benchmark::State& state) {
    const ScopedProgramLocation location(Host().folder.string(), "karusello");
    ToolBox tools;
    tools.INI_SetFilename("brisolan.ini", true);
    Piece(state, "one INI key read", [&] { tools.INI_GetKeyValueLong("Message", "Handle.DB", 0); });
}

void Idle(benchmark::State& state) {
    dao::SharedDBEngine().OpenDatabase(Host().database.string())->Close();
    Piece(state, "DBEngine::Idle(8)", [] { dao::SharedDBEngine().Idle(dao::dbRefreshCache); });
}

void OpenClose(benchmark::State& state) {
    Piece(state, "open+close, program",
          [] { dao::SharedDBEngine().OpenDatabase(Host().database.string())->Close(); });
}

void OpenCloseBare(benchmark::State& state) {
    Piece(state, "open+close, SQLiteCpp",
          [] { SQLite::Database db(Host().database.string(), SQLite::OPEN_READWRITE); });
}

void EntryQuery(benchmark::State& state) {
    auto db = dao::SharedDBEngine().OpenDatabase(Host().database.string());
    const std::string sql = dao::EntryQuery(kBigPlaylist);
    Piece(state, "entry query opened, program", [&] { db->OpenRecordset(sql)->Close(); });
}

// The name query of ReadPlaylistInfo, read-only, on a connection that is open already: the
// click's name check, which runs on the shuffle's connection.
void NameQuery(benchmark::State& state) {
    auto db = dao::SharedDBEngine().OpenDatabase(Host().database.string());
    const std::string sql = dao::NameQuery(kBigPlaylist);
    Piece(state, "name query on open connection", [&] {
        auto rs = db->OpenRecordset(sql, dao::dbOpenSnapshot);
        static_cast<void>(rs->Fields("Name").ToText());
        static_cast<void>(rs->Fields("grid").CompareEqual(-1));
        rs->Close();
    });
}

void EntryQueryBare(benchmark::State& state) {
    SQLite::Database db(Host().database.string(), SQLite::OPEN_READWRITE);
    const std::string sql =
        "select rowid, * from pl_all where pnid=" + std::to_string(kBigPlaylist) +
        " order by plid asc";
    Piece(state, "entry query opened, SQLiteCpp", [&] {
        SQLite::Statement query(db, sql);
        query.executeStep();
    });
}

void Register(const char* name, void (*body)(benchmark::State&)) {
    benchmark::RegisterBenchmark(name, body)
        ->Iterations(kRuns)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
}

} // namespace

void RegisterFixedCostBenchmarks() {
    Register("fixed/open_close", OpenClose);
    Register("fixed/open_close_bare", OpenCloseBare);
    Register("fixed/idle", Idle);
    Register("fixed/refresh", Refresh);
    Register("fixed/one_key", OneKey);
    Register("fixed/name_query", NameQuery);
    Register("fixed/entry_query", EntryQuery);
    Register("fixed/entry_query_bare", EntryQueryBare);
}

} // namespace karusello::bench
