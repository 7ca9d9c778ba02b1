#include "core/playlistdb/SqlText.h"

#include <algorithm>
#include <cctype>

namespace karusello::dao {

bool SameSqlName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::string Quoted(std::string_view text, char quote) {
    std::string quoted(1, quote);
    for (const char c : text) {
        quoted += c;
        if (c == quote) {
            quoted += quote;
        }
    }
    return quoted + quote;
}

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
    if (!SameSqlName(std::string_view(sql).substr(start, keyword.size()), keyword)) {
        return std::nullopt;
    }
    const auto next = static_cast<unsigned char>(sql[end]);
    if (std::isalnum(next) != 0 || next == '_') {
        return std::nullopt;
    }
    return sql.substr(0, end) + " " + std::string(column) + "," + sql.substr(end);
}

std::string UpdateByRowidText(std::string_view table, const std::vector<std::string>& columns,
                              const std::vector<int>& fields, std::string_view rowidName) {
    std::string sql = "UPDATE " + Quoted(table, '"') + " SET ";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        sql += (i > 0 ? ", " : "") + Quoted(columns.at(fields[i]), '"') + "=?";
    }
    return sql + " WHERE " + std::string(rowidName) + "=?";
}

} // namespace karusello::dao
