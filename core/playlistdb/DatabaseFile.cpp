#include "core/playlistdb/DatabaseFile.h"

#include "core/errors/RuntimeError.h"
#include "core/os/Utf8Path.h"

#include <array>
#include <filesystem>
#include <fstream>

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

[[noreturn]] void CannotOpen(const std::string& path, const std::string& reason) {
    throw RuntimeError(errnum::DbCannotOpen,
                       "Datenbank '" + path + "' kann nicht geöffnet werden: " + reason + ".");
}

bool HasAt(std::string_view head, std::size_t offset, std::string_view signature) {
    return head.size() >= offset + signature.size() &&
           head.substr(offset, signature.size()) == signature;
}

// The first bytes of the file, unbuffered: this runs before every opening of the database.
std::string ReadHead(const fs::path& file, const std::string& path) {
    std::ifstream in;
    in.rdbuf()->pubsetbuf(nullptr, 0);
    in.open(file, std::ios::binary);
    if (!in) {
        CannotOpen(path, "die Datei ist nicht lesbar");
    }
    std::array<char, kSqliteHeaderSize> buffer{};
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    if (in.bad()) {
        CannotOpen(path, "Lesefehler");
    }
    return std::string(buffer.data(), static_cast<std::size_t>(in.gcount()));
}

} // namespace

void ThrowUnrecognizedFormat(const std::string& path, const std::string& found) {
    throw RuntimeError(errnum::DbUnrecognizedFormat,
                       "Nicht erkennbares Datenbankformat '" + path + "': " + found + ".");
}

DatabaseFormat FormatOfHead(std::string_view head, const std::string& path) {
    if (HasAt(head, kAccessSignatureOffset, kJetSignature)) {
        return DatabaseFormat::Jet;
    }
    if (HasAt(head, kAccessSignatureOffset, kAceSignature)) {
        return DatabaseFormat::Ace;
    }
    if (head.empty()) {
        // SQLite would take an empty file for a new, empty database and write to it.
        ThrowUnrecognizedFormat(path, "eine leere Datei, keine Datenbank");
    }
    if (!HasAt(head, 0, kSqliteMagic)) {
        ThrowUnrecognizedFormat(path, "ein unbekannter Dateiinhalt, keine Datenbank");
    }
    if (head.size() < kSqliteHeaderSize) {
        ThrowUnrecognizedFormat(path, "eine zu kurze Datei (" + std::to_string(head.size()) +
                                          " Bytes), keine vollständige SQLite-Datenbank");
    }
    return DatabaseFormat::Sqlite;
}

DatabaseFormat InspectDatabaseFile(const std::string& path) {
    const fs::path file = Utf8Path(path);
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (status.type() == fs::file_type::not_found) {
        throw RuntimeError(errnum::DbFileNotFound, "Datei '" + path + "' nicht gefunden.");
    }
    if (error) {
        CannotOpen(path, error.message());
    }
    if (status.type() == fs::file_type::directory) {
        ThrowUnrecognizedFormat(path, "ein Ordner, keine Datenbankdatei");
    }
    if (status.type() != fs::file_type::regular) {
        // Never read a pipe or a device: that could block or consume its data.
        ThrowUnrecognizedFormat(path, "keine gewöhnliche Datei, keine Datenbankdatei");
    }
    return FormatOfHead(ReadHead(file, path), path);
}

} // namespace karusello::dao
