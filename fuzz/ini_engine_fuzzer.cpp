// The INI engine on any file and any write, measured against the reference reader
// (IniReference.h) that reads as the Windows profile functions do:
// - every read, before and after the write, gives what the reference gives, also for names
//   with spaces or a tab around them and a default with trailing spaces;
// - a write is refused exactly when its texts could not be read back, and a refused write leaves
//   the file byte for byte as it was;
// - what was written reads back, every other key and every other section's listing reads as
//   before;
// - a write adds no line end but CR LF, and leaves a last line without a line end only where it
//   did not touch it;
// - a UTF-16 file stays UTF-16, with its odd last byte where it had one.
//
// Input: section, key, value, file content, separated by 0x1E; a value of 0x1F alone removes
// the key. A content that starts with 0x1F becomes a UTF-16 file (see Utf16File).
#include "FuzzInput.h"
#include "IniReference.h"
#include "linux/system/IniEngine.h"
#include "linux/system/FileBytes.h"

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

namespace fz = karusello::fuzz;
namespace ini = karusello::ini;
using fz::Check;
using fz::ReferenceIni;
using fz::Text;

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

// A UTF-16 file from "\x1F" and a text of single bytes, so that the fuzzer reaches its shapes
// easily: each byte is its Windows-1252 character, but 0x01 is U+0100 (a letter Windows-1252
// lacks), 0x02 a surrogate pair, 0x03 a lone high surrogate; a 0x1F at the end is an odd last
// byte.
std::string Utf16File(std::string_view text) {
    std::u16string units;
    bool oddByte = false;
    if (!text.empty() && text.back() == '\x1f') {
        oddByte = true;
        text.remove_suffix(1);
    }
    for (const char c : text) {
        switch (c) {
        case '\x01':
            units += u'\u0100';
            break;
        case '\x02':
            units += u"\U0001F600";
            break;
        case '\x03':
            units += static_cast<char16_t>(0xD800);
            break;
        default:
            units += karusello::cp1252::CodePointOf(static_cast<unsigned char>(c));
        }
    }
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    if (oddByte) {
        bytes += 'X';
    }
    return bytes;
}

std::string ReadFile(const std::string& path) {
    return karusello::ReadFileBytes(path).bytes;
}

std::string EngineRead(std::string_view section, std::string_view key, std::string_view defaultText,
                       std::size_t room) {
    std::string buffer(room, '\0');
    const std::size_t n =
        ini::GetPrivateProfileString(section, key, defaultText, buffer, FilePath());
    Check(n < room && buffer[n] == '\0', "a value is not closed with a NUL");
    buffer.resize(n);
    return buffer;
}

std::vector<std::string> EngineListing(std::string_view section, std::size_t room) {
    std::string buffer(room, '\0');
    const std::size_t n = ini::GetPrivateProfileSection(section, buffer, FilePath());
    Check(n + 2 < room, "a listing that fits was cut");
    std::vector<std::string> lines;
    for (std::size_t begin = 0; begin < n;) {
        const std::size_t nul = buffer.find('\0', begin);
        Check(nul < n, "a listing line is not closed with a NUL");
        lines.push_back(buffer.substr(begin, nul - begin));
        begin = nul + 1;
    }
    Check(buffer[n] == '\0' && buffer[n + 1] == '\0', "a listing does not end with two NULs");
    return lines;
}

constexpr std::size_t kMostNamesChecked = 24;
constexpr std::size_t kNamesCheckedInEveryForm = 4;

// The engine reads the file on disk as the reference reads it: every name of the file (up to a
// limit) and the written one; the written one and the first few also with spaces or a tab
// around them.
void ReadsMatchTheReference(const ReferenceIni& reference, std::string_view section,
                            std::string_view key, std::size_t room) {
    auto names = reference.Names();
    if (names.size() > kMostNamesChecked) {
        names.resize(kMostNamesChecked);
    }
    names.emplace(names.begin(), fz::Widen(section), fz::Widen(key));
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string s = fz::Narrow(names[i].first);
        const std::string k = fz::Narrow(names[i].second);
        std::vector<std::pair<std::string, std::string>> forms = {{s, k}};
        if (i <= kNamesCheckedInEveryForm) {
            forms.insert(forms.end(), {{"  " + s + " ", " " + k}, {"\t" + s, k}, {s, k + "\t"}});
        }
        for (const auto& [sv, kv] : forms) {
            Check(EngineRead(sv, kv, "\x01  ", room) == reference.Read(sv, kv, "\x01  "),
                  "a value reads otherwise than the reference reads it");
            Check(EngineListing(sv, room) == reference.Listing(fz::CallerName(sv)),
                  "a listing differs from the reference's");
        }
    }
}

// Counts the line ends that are a CR alone and an LF alone.
std::pair<std::size_t, std::size_t> LoneLineEnds(const Text& text) {
    std::size_t cr = 0;
    std::size_t lf = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) {
            ++cr;
        } else if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            ++lf;
        }
    }
    return {cr, lf};
}

// The characters after the last line end: a last line without one.
Text OpenTail(const Text& text) {
    const auto end = text.find_last_of(U"\r\n");
    return end == Text::npos ? text : text.substr(end + 1);
}

// What a value reads back as: blanks and tabs around it and one pair of matching quotes are no
// part of a value in an INI file.
std::string ReadBackForm(std::string_view value) {
    return fz::Unquoted(fz::Narrow(fz::TrimBlanks(fz::Widen(value))));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 65536) {
        return 0;
    }
    const auto fields = fz::SplitFields(data, size, 4);
    const std::string_view section = fields[0];
    const std::string_view key = fields[1];
    const std::optional<std::string_view> value = fz::Optional(fields[2]);
    const std::string content =
        fields[3].starts_with('\x1f') ? Utf16File(fields[3].substr(1)) : std::string(fields[3]);
    const std::string& path = FilePath();
    WriteFile(path, content);
    const std::size_t room = 2 * size + 300;

    const ReferenceIni before(content);
    ReadsMatchTheReference(before, section, key, room);

    const bool written = ini::WritePrivateProfileString(section, key, value, path);
    const std::string after = ReadFile(path);
    Check(written == fz::Storable(section, key, value),
          "a write was refused that could be stored, or the other way round");
    if (!written) {
        Check(after == content, "a refused write changed the file");
        return 0;
    }
    const ReferenceIni now(after);
    ReadsMatchTheReference(now, section, key, room);

    // What was written reads back; nothing else changed.
    const Text writtenSection = fz::CallerName(section);
    const Text writtenKey = fz::CallerName(key);
    const std::optional<std::string> readBack = now.Value(writtenSection, writtenKey);
    if (value) {
        Check(readBack == ReadBackForm(*value), "the written value does not read back");
    } else {
        Check(!readBack.has_value(), "the removed key is still there");
    }
    auto names = before.Names();
    const auto newNames = now.Names();
    names.insert(names.end(), newNames.begin(), newNames.end());
    for (const auto& [s, k] : names) {
        if (!fz::Same(s, writtenSection)) {
            Check(now.Listing(s) == before.Listing(s), "another section changed");
        } else if (!fz::Same(k, writtenKey)) {
            Check(now.Value(s, k) == before.Value(s, k), "another key changed");
        }
    }

    // The file's form.
    Check(fz::StartsUtf16(after) == fz::StartsUtf16(content) || content.empty(),
          "the write changed the file's encoding");
    if (fz::StartsUtf16(content)) {
        Check(after.size() % 2 == content.size() % 2 &&
                  (content.size() % 2 == 0 || after.back() == content.back()),
              "the odd last byte of a UTF-16 file moved or went");
    }
    if (value) {
        Check(LoneLineEnds(now.Characters()) == LoneLineEnds(before.Characters()),
              "a write added or removed a line end that is no CR LF");
    }
    const Text tail = OpenTail(now.Characters());
    Check(tail.empty() || tail == OpenTail(before.Characters()),
          "a line that the write changed or added has no line end");
    return 0;
}
