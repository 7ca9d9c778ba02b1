// The INI engine on any file and any write: read every key, write one, read again. What was
// written reads back, every other key of every section reads as before, and a refused write
// leaves the file byte for byte as it was.
//
// Input: section, key, value, file content, separated by 0x1E; a value of 0x1F alone removes
// the key.
#include "FuzzInput.h"
#include "os/ProfileFunctions.h"
#include "posix/FileBytes.h"
#include "posix/IniLines.h"

#include <cstdlib>
#include <fcntl.h>
#include <set>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using karusello::fuzz::Check;
namespace ini = karusello::ini;

// One file per fuzzing process, in memory where the system offers it.
const std::string& FilePath() {
    static const std::string path = [] {
        const char* base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string folder = std::string(base) + "/karusello-fuzz-XXXXXX";
        if (::mkdtemp(folder.data()) == nullptr) {
            std::abort();
        }
        return folder + "/host.ini";
    }();
    return path;
}

void WriteFile(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
        std::abort();
    }
    ::close(fd);
}

std::string ReadFile(const std::string& path) {
    return karusello::ReadFileBytes(path).bytes;
}

// A key's value, or nullopt when the key (or its section) is missing.
std::optional<std::string> Value(std::string_view section, std::string_view key,
                                 const std::string& path, std::size_t room) {
    std::string a(room, '\0');
    std::string b(room, '\0');
    const std::size_t na = ini::GetPrivateProfileString(section, key, "\x01", a, path);
    const std::size_t nb = ini::GetPrivateProfileString(section, key, "\x02", b, path);
    a.resize(na);
    b.resize(nb);
    if (a == "\x01" && b == "\x02") {
        return std::nullopt;
    }
    Check(a == b, "the same key read twice gave two values");
    return a;
}

using Names = std::set<std::pair<std::string, std::string>>;

// Every section and key name the file holds, as the read functions see a name.
void CollectNames(std::string_view bytes, Names& names) {
    std::string section;
    bool inSection = false;
    for (const ini::IniLine& line : ini::SplitIniLines(bytes)) {
        if (line.kind == ini::IniLine::Kind::Header) {
            section = std::string(line.name);
            inSection = true;
        } else if (line.kind == ini::IniLine::Kind::Entry && inSection) {
            names.emplace(section, std::string(line.name));
        }
    }
}

std::string_view Clean(std::string_view name) {
    return ini::TrimBlanks(ini::UpToNul(name));
}

bool IsTheWrittenKey(const std::pair<std::string, std::string>& name, std::string_view section,
                     std::string_view key) {
    return ini::NamesEqual(Clean(name.first), Clean(section)) &&
           ini::NamesEqual(Clean(name.second), Clean(key));
}

// What a value reads back as: blanks around it and one pair of matching quotes are no part of
// a value in an INI file.
std::string ReadBackForm(std::string_view value) {
    value = ini::TrimBlanks(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 65536) {
        return 0;
    }
    const auto fields = karusello::fuzz::SplitFields(data, size, 4);
    const std::string_view section = fields[0];
    const std::string_view key = fields[1];
    const std::optional<std::string_view> value = karusello::fuzz::Optional(fields[2]);
    const std::string_view content = fields[3];
    const std::string& path = FilePath();
    WriteFile(path, content);
    const std::size_t room = size + 16;

    Names names;
    CollectNames(content, names);
    std::vector<std::optional<std::string>> before;
    for (const auto& [s, k] : names) {
        before.push_back(Value(s, k, path, room));
    }

    const bool written = ini::WritePrivateProfileString(section, key, value, path);
    const std::string after = ReadFile(path);
    if (!written) {
        Check(after == content, "a refused write changed the file");
        return 0;
    }

    // What was written reads back.
    const std::optional<std::string> readBack = Value(section, key, path, room);
    if (value) {
        Check(readBack.has_value(), "the written key is missing");
        Check(*readBack == ReadBackForm(*value), "the written value reads back differently");
    } else {
        Check(!readBack.has_value(), "the removed key is still there");
    }

    // Nothing else changed: every key of the old file reads as before, and the new file holds
    // no key that the old one did not, but the written one.
    std::size_t i = 0;
    for (const auto& name : names) {
        if (!IsTheWrittenKey(name, section, key)) {
            Check(Value(name.first, name.second, path, room) == before[i], "another key changed");
        }
        ++i;
    }
    Names afterNames;
    CollectNames(after, afterNames);
    for (const auto& name : afterNames) {
        Check(names.count(name) > 0 || IsTheWrittenKey(name, section, key),
              "a key appeared that was not written");
    }
    return 0;
}
