#include "playlistdb/DatabaseFileCheck.h"

#include "config/RuntimeError.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>

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

std::string ReadHead(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        CannotOpen(path, std::strerror(errno));
    }
    std::array<char, kSqliteHeaderSize> buffer{};
    in.read(buffer.data(), buffer.size());
    if (in.bad()) {
        CannotOpen(path, "Lesefehler");
    }
    return std::string(buffer.data(), static_cast<std::size_t>(in.gcount()));
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
