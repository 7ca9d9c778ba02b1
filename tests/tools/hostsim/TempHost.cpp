#include "TempHost.h"

#include "tools/demohost/DemoHost.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace karusello::hostsim::test {

namespace fs = std::filesystem;

TempHost::TempHost() : folder_(temp_.Path() / "host") {
    demohost::DemoOptions options;
    options.folder = folder_;
    demohost::CreateDemoHost(options);
}

SQLite::Database TempHost::Open() const {
    return SQLite::Database(Database().string(), SQLite::OPEN_READWRITE);
}

void TempHost::Exec(const std::string& sql) const {
    SQLite::Database db = Open();
    db.exec(sql);
}

long long TempHost::Number(const std::string& sql) const {
    SQLite::Database db = Open();
    SQLite::Statement query(db, sql);
    query.executeStep();
    return query.getColumn(0).getInt64();
}

void WriteFile(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

} // namespace karusello::hostsim::test
