#pragma once

// A fresh folder for one test, shared by the test programs of every layer and both platforms.

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>

namespace karusello::test {

// A folder of its own below the system's temporary folder, private to its owner, removed with
// everything in it when the object goes; rights that a test took away from folders inside are
// given back first, so that the removal cannot fail on them.
class TempFolder {
public:
    TempFolder() {
        namespace fs = std::filesystem;
        std::random_device seed;
        std::mt19937 random(seed());
        const fs::path base = fs::temp_directory_path();
        for (int attempt = 0; attempt < 100; ++attempt) {
            const fs::path candidate = base / ("karusello-test-" + std::to_string(random()));
            if (fs::create_directory(candidate)) {
                fs::permissions(candidate, fs::perms::owner_all);
                path_ = candidate;
                return;
            }
        }
        throw std::runtime_error("cannot create a temporary folder");
    }
    ~TempFolder() {
        namespace fs = std::filesystem;
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        for (auto it = fs::recursive_directory_iterator(path_, ec);
             it != fs::recursive_directory_iterator(); it.increment(ec)) {
            if (it->is_directory(ec) && !it->is_symlink(ec)) {
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
            }
        }
        fs::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    // Writes a file in the folder and gives its path.
    std::string Write(const std::string& name, const std::string& content) const {
        const std::string file = *this / name;
        std::ofstream(file, std::ios::binary) << content;
        return file;
    }

private:
    std::filesystem::path path_;
};

} // namespace karusello::test
