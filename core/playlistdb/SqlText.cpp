#include "core/playlistdb/SqlText.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

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

std::string UpdateRowText(std::string_view table, const std::vector<std::string>& columns,
                          const std::vector<std::string>& keys) {
    std::string sql = "UPDATE " + std::string(table) + " SET ";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        sql += (i > 0 ? ", " : "") + columns[i] + "=?";
    }
    for (std::size_t i = 0; i < keys.size(); ++i) {
        sql += (i > 0 ? " AND " : " WHERE ") + keys[i] + "=?";
    }
    return sql;
}

std::string UpdateByRowidText(std::string_view table, const std::vector<std::string>& columns,
                              const std::vector<int>& fields, std::string_view rowidName) {
    std::vector<std::string> set;
    for (const int field : fields) {
        set.push_back(Quoted(columns.at(static_cast<std::size_t>(field)), '"'));
    }
    return UpdateRowText(Quoted(table, '"'), set, {std::string(rowidName)});
}

namespace {

// Reads a text of SQL from left to right, a word, a name or a blank run at a time.
class SqlScanner {
public:
    explicit SqlScanner(std::string_view sql) : sql_(sql) {}

    bool AtEnd() const { return at_ >= sql_.size(); }
    char Next() const { return AtEnd() ? '\0' : sql_[at_]; }

    void SkipBlanks() {
        while (!AtEnd() && std::isspace(static_cast<unsigned char>(Next())) != 0) {
            ++at_;
        }
    }

    // The next word of letters, digits and '_' (bytes beyond ASCII count as letters), or an
    // empty one where none begins.
    std::string_view Word() {
        const std::size_t start = at_;
        while (!AtEnd() && IsWordByte(Next())) {
            ++at_;
        }
        return sql_.substr(start, at_ - start);
    }

    // A name in "...", [...] or `...` without its quotes (a doubled quote is one), or a word.
    std::optional<std::string> Name() {
        const char open = Next();
        const char close = open == '[' ? ']' : open;
        if (open != '"' && open != '[' && open != '`') {
            const std::string_view word = Word();
            return word.empty() ? std::nullopt : std::optional<std::string>(word);
        }
        std::string name;
        for (++at_; !AtEnd(); ++at_) {
            if (Next() != close) {
                name += Next();
            } else if (close != ']' && at_ + 1 < sql_.size() && sql_[at_ + 1] == close) {
                name += close;
                ++at_;
            } else {
                ++at_;
                return name.empty() ? std::nullopt : std::optional<std::string>(name);
            }
        }
        return std::nullopt;
    }

    // Skips one character, a quoted text or name as a whole.
    void SkipOne() {
        const char open = Next();
        ++at_;
        if (open == '\'' || open == '"' || open == '`' || open == '[') {
            const char close = open == '[' ? ']' : open;
            while (!AtEnd() && Next() != close) {
                ++at_;
            }
            ++at_;
        }
    }

    static bool IsWordByte(char c) {
        const auto byte = static_cast<unsigned char>(c);
        return std::isalnum(byte) != 0 || byte == '_' || byte >= 0x80;
    }

private:
    std::string_view sql_;
    std::size_t at_ = 0;
};

bool IsWordOf(std::string_view word, std::initializer_list<std::string_view> keywords) {
    return std::any_of(keywords.begin(), keywords.end(),
                       [&](std::string_view keyword) { return SameSqlName(word, keyword); });
}

} // namespace

std::optional<std::string> SelectedTable(std::string_view sql) {
    SqlScanner scan(sql);
    scan.SkipBlanks();
    if (!SameSqlName(scan.Word(), "select")) {
        return std::nullopt;
    }
    // The column list: words, names, commas and '*' up to FROM; a parenthesis means a function
    // or a subquery, whose column is no table column.
    for (;;) {
        scan.SkipBlanks();
        if (scan.AtEnd() || scan.Next() == '(' || scan.Next() == ';') {
            return std::nullopt;
        }
        if (!SqlScanner::IsWordByte(scan.Next())) {
            scan.SkipOne();
            continue;
        }
        const std::string_view word = scan.Word();
        if (IsWordOf(word, {"distinct", "top", "union", "select"})) {
            return std::nullopt;
        }
        if (SameSqlName(word, "from")) {
            break;
        }
    }
    scan.SkipBlanks();
    std::optional<std::string> table = scan.Name();
    scan.SkipBlanks();
    if (scan.Next() == ';') {
        scan.SkipOne();
        scan.SkipBlanks();
    }
    if (!table || !(scan.AtEnd() || IsWordOf(scan.Word(), {"where", "order"}))) {
        return std::nullopt;
    }
    return table;
}

} // namespace karusello::dao
