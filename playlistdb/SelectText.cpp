#include "playlistdb/SelectText.h"

#include <cctype>

namespace karusello::dao {

std::optional<std::string> WithLeadingColumn(const std::string& sql, std::string_view column) {
    constexpr std::string_view keyword = "select";
    std::size_t start = 0;
    while (start < sql.size() && std::isspace(static_cast<unsigned char>(sql[start])) != 0) {
        ++start;
    }
    const std::size_t end = start + keyword.size();
    if (sql.size() <= end) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < keyword.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(sql[start + i])) != keyword[i]) {
            return std::nullopt;
        }
    }
    const auto next = static_cast<unsigned char>(sql[end]);
    if (std::isalnum(next) != 0 || next == '_') {
        return std::nullopt;
    }
    return sql.substr(0, end) + " " + std::string(column) + "," + sql.substr(end);
}

} // namespace karusello::dao
