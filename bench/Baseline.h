#pragma once

#include <cstdint>
#include <filesystem>
#include <random>
#include <vector>

namespace karusello::bench {

// The bare references: the statements that the program runs on the host's database, through
// plain SQLiteCpp and with no other work, each on a connection of its own as the program does.

// Open, BEGIN IMMEDIATE, the count query, the entry query with "rowid, *", one UPDATE of sid by
// rowid per row with a simple random value below count + 100, COMMIT, close.
void BaselineShuffle(const std::filesystem::path& database, std::int32_t playlistId,
                     std::minstd_rand& random);

// Open, BEGIN IMMEDIATE, the entry query with "rowid, *", one UPDATE of sid by rowid per row
// with the saved value at the row's position, COMMIT, close.
void BaselineRestore(const std::filesystem::path& database, std::int32_t playlistId,
                     const std::vector<std::int32_t>& saved);

// Open, the name query, read Name and grid of the one row, close.
void BaselineNameRead(const std::filesystem::path& database, std::int32_t playlistId);

// The playlist's sort values in ascending plid.
std::vector<std::int32_t> SortValues(const std::filesystem::path& database,
                                     std::int32_t playlistId);

} // namespace karusello::bench
