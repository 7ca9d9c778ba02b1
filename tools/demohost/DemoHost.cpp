#include "tools/demohost/DemoHost.h"

#include "core/text/Cp1252.h"
#include "tools/demohost/DemoDatabase.h"

#include <fstream>
#include <system_error>

namespace karusello::demohost {

namespace fs = std::filesystem;

namespace {

bool Exists(const fs::path& path) {
    std::error_code ignored;
    return fs::exists(fs::symlink_status(path, ignored));
}

void RemoveIfThere(const fs::path& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

void RefuseToOverwrite(const fs::path& ini, const fs::path& database) {
    for (const fs::path& file : {ini, database}) {
        if (Exists(file)) {
            throw ExistingFilesError(file.string() +
                                     " exists already; --force replaces it (and the other file)");
        }
    }
}

// The INI file holds Windows-1252: a path with other characters could not be read back.
void RequireWindows1252(const fs::path& database) {
    const std::string text = database.string();
    if (Cp1252ToUtf8(Utf8ToCp1252(text)) != text) {
        throw std::runtime_error("the path " + text +
                                 " has characters that Windows-1252 cannot hold; choose another "
                                 "folder");
    }
}

void WriteFileAtomically(const fs::path& file, const std::string& bytes) {
    const fs::path temporary = file.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << bytes;
        out.close();
        if (!out) {
            RemoveIfThere(temporary);
            throw std::runtime_error("cannot write " + temporary.string());
        }
    }
    fs::rename(temporary, file);
}

void BuildDatabase(const fs::path& database, const DemoOptions& options) {
    const fs::path temporary = database.string() + ".new";
    RemoveIfThere(temporary);
    RemoveIfThere(temporary.string() + "-journal");
    try {
        WriteHostDatabase(temporary, DemoPlaylists(options.entries, options.big));
    } catch (...) {
        RemoveIfThere(temporary);
        RemoveIfThere(temporary.string() + "-journal");
        throw;
    }
    // A journal or WAL left by the replaced file would be applied to the new one.
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        RemoveIfThere(database.string() + suffix);
    }
    fs::rename(temporary, database);
}

} // namespace

std::string HostIniText(const fs::path& database) {
    return Utf8ToCp1252("[Global]\r\n"
                        "SkinFileName=" +
                        std::string(kSkinFileName) +
                        "\r\n"
                        "DBName=" +
                        database.string() +
                        "\r\n"
                        "\r\n"
                        "[Message]\r\n");
}

DemoHostFiles CreateDemoHost(const DemoOptions& options) {
    const fs::path folder = fs::absolute(options.folder).lexically_normal();
    DemoHostFiles files{folder / kIniFileName, folder / kDatabaseFileName,
                        folder / kSkinFolderName};
    if (!options.force) {
        RefuseToOverwrite(files.ini, files.database);
    }
    RequireWindows1252(files.database);
    if (options.skin && !fs::is_regular_file(*options.skin)) {
        throw std::runtime_error("no skin file at " + options.skin->string());
    }

    fs::create_directories(files.skinFolder);
    BuildDatabase(files.database, options);
    WriteFileAtomically(files.ini, HostIniText(files.database));
    if (options.skin) {
        fs::copy_file(*options.skin, files.skinFolder / kSkinFileName,
                      fs::copy_options::overwrite_existing);
    }
    return files;
}

} // namespace karusello::demohost
