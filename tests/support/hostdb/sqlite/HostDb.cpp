// The host's database connection through SQLiteCpp (Linux).
#include "tests/support/hostdb/HostDb.h"

#include <SQLiteCpp/SQLiteCpp.h>

namespace karusello::test {

struct HostDb::Impl {
    SQLite::Database db;
};

HostDb::HostDb(const std::filesystem::path& file, bool create)
    : impl_(std::make_unique<Impl>(Impl{SQLite::Database(
          file.string(), SQLite::OPEN_READWRITE | (create ? SQLite::OPEN_CREATE : 0))})) {}

HostDb::~HostDb() = default;
HostDb::HostDb(HostDb&&) noexcept = default;
HostDb& HostDb::operator=(HostDb&&) noexcept = default;

void HostDb::Exec(const std::string& sql) {
    impl_->db.exec(sql);
}

std::vector<std::vector<std::optional<std::string>>> HostDb::Rows(const std::string& sql) {
    SQLite::Statement query(impl_->db, sql);
    std::vector<std::vector<std::optional<std::string>>> rows;
    while (query.executeStep()) {
        std::vector<std::optional<std::string>>& row = rows.emplace_back();
        for (int i = 0; i < query.getColumnCount(); ++i) {
            const SQLite::Column column = query.getColumn(i);
            if (column.isNull()) {
                row.emplace_back();
            } else {
                row.emplace_back(std::string(static_cast<const char*>(column.getBlob()),
                                             static_cast<std::size_t>(column.getBytes())));
            }
        }
    }
    return rows;
}

} // namespace karusello::test
