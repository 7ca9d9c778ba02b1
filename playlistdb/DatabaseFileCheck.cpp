#include "playlistdb/DatabaseFileCheck.h"

#include "config/RuntimeError.h"
#include "config/UniqueFd.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <unistd.h>

namespace karusello::dao {

namespace {

namespace fs = std::filesystem;

// SQLite's file header is 100 bytes and begins with this text and a zero byte.
constexpr std::size_t kSqliteHeaderSize = 100;
constexpr std::string_view kSqliteMagic{"SQLite format 3\0", 16};
// A Jet or ACE (Microsoft Access) file names its engine at offset 4.
constexpr std::size_t kAccessSignatureOffset = 4;
constexpr std::string_view kJetSignature = "Standard Jet DB";
constexpr std::string_view kAceSignature = "Standard ACE DB";

[[noreturn]] void Unrecognized(const std::string& path, const std::string& found) {
    throw RuntimeError(errnum::DbUnrecognizedFormat,
                       "Nicht erkennbares Datenbankformat '" + path + "': " + found + ".");
}

[[noreturn]] void CannotOpen(const std::string& path, const std::string& reason) {
    throw RuntimeError(errnum::DbCannotOpen,
                       "Datenbank '" + path + "' kann nicht geöffnet werden: " + reason + ".");
}

bool HasAt(std::string_view head, std::size_t offset, std::string_view signature) {
    return head.size() >= offset + signature.size() &&
           head.substr(offset, signature.size()) == signature;
}

// The first bytes of the file, read with plain system calls: this runs before every opening of
// the database, and a stream would add a buffer and several calls to each click.
std::string ReadHead(const std::string& path) {
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.Valid()) {
        CannotOpen(path, std::strerror(errno));
    }
    std::array<char, kSqliteHeaderSize> buffer{};
    std::size_t have = 0;
    while (have < buffer.size()) {
        const ssize_t got = ::read(fd.Get(), buffer.data() + have, buffer.size() - have);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            CannotOpen(path, "Lesefehler");
        }
        if (got == 0) {
            break;
        }
        have += static_cast<std::size_t>(got);
    }
    return std::string(buffer.data(), have);
}

void CheckContent(const std::string& path, std::string_view head) {
    if (HasAt(head, kAccessSignatureOffset, kJetSignature)) {
        Unrecognized(path, "eine Microsoft-Access-Datenbank (Jet), keine SQLite-Datenbank");
    }
    if (HasAt(head, kAccessSignatureOffset, kAceSignature)) {
        Unrecognized(path, "eine Microsoft-Access-Datenbank (ACE), keine SQLite-Datenbank");
    }
    if (head.empty()) {
        // SQLite would take an empty file for a new, empty database and write to it.
        Unrecognized(path, "eine leere Datei, keine SQLite-Datenbank");
    }
    if (!HasAt(head, 0, kSqliteMagic)) {
        Unrecognized(path, "ein unbekannter Dateiinhalt, keine SQLite-Datenbank");
    }
    if (head.size() < kSqliteHeaderSize) {
        Unrecognized(path, "eine zu kurze Datei (" + std::to_string(head.size()) +
                               " Bytes), keine vollständige SQLite-Datenbank");
    }
}

} // namespace

void CheckDatabaseFile(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) {
        throw RuntimeError(errnum::DbFileNotFound, "Datei '" + path + "' nicht gefunden.");
    }
    if (error) {
        CannotOpen(path, error.message());
    }
    if (status.type() == fs::file_type::directory) {
        Unrecognized(path, "ein Ordner, keine Datenbankdatei");
    }
    if (status.type() != fs::file_type::regular) {
        // Never read a pipe or a device: that could block or consume its data.
        Unrecognized(path, "keine gewöhnliche Datei, keine SQLite-Datenbank");
    }
    CheckContent(path, ReadHead(path));
}

} // namespace karusello::dao
