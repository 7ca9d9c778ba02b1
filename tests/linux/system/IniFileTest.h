#pragma once

// The INI engine's tests on a file host.ini in a fresh folder, calling the profile functions as
// a caller does: with a buffer the function fills and then a look at what it counted.
#include "linux/system/IniEngine.h"
#include "tests/core/config/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace karusello::testing {

class IniFileTest : public ::testing::Test {
protected:
    // A value as GetPrivateProfileString hands it out into a buffer of 260 characters.
    static std::string ValueOf(const std::string& path, std::string_view section,
                               std::string_view key,
                               std::optional<std::string_view> defaultText = std::nullopt) {
        std::string buffer(260, 'x');
        const std::size_t n = ini::GetPrivateProfileString(section, key, defaultText, buffer, path);
        EXPECT_EQ(buffer[n], '\0');
        return buffer.substr(0, n);
    }

    // The lines of a section's listing into a buffer of 30000 characters: the counted characters
    // split at their NULs.
    static std::vector<std::string> ListingOf(const std::string& path, std::string_view section) {
        std::string buffer(30000, 'x');
        const std::size_t n = ini::GetPrivateProfileSection(section, buffer, path);
        EXPECT_EQ(buffer[n], '\0');
        std::vector<std::string> lines;
        std::size_t begin = 0;
        while (begin < n) {
            const std::size_t nul = std::min(buffer.find('\0', begin), n);
            lines.push_back(buffer.substr(begin, nul - begin));
            begin = nul + 1;
        }
        return lines;
    }

    std::string Value(std::string_view section, std::string_view key,
                      std::optional<std::string_view> defaultText = std::nullopt) const {
        return ValueOf(ini, section, key, defaultText);
    }
    std::vector<std::string> Listing(std::string_view section) const {
        return ListingOf(ini, section);
    }
    bool Write(std::string_view section, std::string_view key,
               std::optional<std::string_view> value) const {
        return ini::WritePrivateProfileString(section, key, value, ini);
    }

    TempFolder folder;
    std::string ini = folder.File("host.ini");
};

} // namespace karusello::testing
