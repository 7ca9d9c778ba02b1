// Reading a skin file from disk, with the program's errors for files that cannot be read.
#include "core/skin/SkinFile.h"

#include "core/errors/RuntimeError.h"
#include "core/os/PathSeparator.h"
#include "core/os/Utf8Path.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace karusello {

namespace {

namespace fs = std::filesystem;

std::string Reason(int error) {
    if (error == EACCES || error == EPERM) {
        return "keine Berechtigung";
    }
    if (error == EIO) {
        return "Ein-/Ausgabefehler";
    }
    return "nicht lesbar (Fehler " + std::to_string(error) + ")";
}

[[noreturn]] void ThrowAccess(const std::string& path, const std::string& reason) {
    throw RuntimeError(errnum::PathFileAccess, StandardErrorText(errnum::PathFileAccess) +
                                                   ": Skin-Datei '" + path + "' " + reason);
}

[[noreturn]] void ThrowNotFound(const std::string& path) {
    throw RuntimeError(errnum::FileNotFound,
                       StandardErrorText(errnum::FileNotFound) + ": '" + path + "'");
}

// Only a regular file is opened: a named pipe would make the open wait for a writer, and a
// folder or a device is no skin file.
void RequireRegularFile(const std::string& path, const fs::path& file) {
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    switch (status.type()) {
    case fs::file_type::regular:
        return;
    case fs::file_type::not_found:
        ThrowNotFound(path);
    case fs::file_type::directory:
        ThrowAccess(path, "ist ein Ordner");
    case fs::file_type::none:
        ThrowAccess(path, Reason(error.value()));
    default:
        ThrowAccess(path, "ist keine Datei");
    }
}

} // namespace

std::string ReadSkinFile(const std::string& path) {
    const fs::path file = Utf8Path(path);
    RequireRegularFile(path, file);
    errno = 0;
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        // The stream opens the file with the C library, which leaves the cause in errno.
        ThrowAccess(path, Reason(errno));
    }
    std::string bytes(MaxSkinFileSize, '\0');
    errno = 0;
    stream.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (stream.bad()) {
        ThrowAccess(path, Reason(errno != 0 ? errno : EIO));
    }
    bytes.resize(static_cast<std::size_t>(stream.gcount()));
    return bytes;
}

std::string SkinFolder(const std::string& path) {
    const auto separator = path.find_last_of(std::string{'/', os::PathSeparator()});
    if (separator == std::string::npos) {
        return ".";
    }
    return separator == 0 ? path.substr(0, 1) : path.substr(0, separator);
}

SkinSettings LoadSkinFile(const std::string& path) {
    return ParseSkin(ReadSkinFile(path), SkinFolder(path));
}

} // namespace karusello
