#pragma once

#include "tests/support/TempFolder.h"

#include "core/os/Utf8Path.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace karusello::testing {

// The shared temporary folder, with its path as text, as the INI functions take it.
class TempFolder {
public:
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return PathUtf8(folder_.Path() / name); }

private:
    test::TempFolder folder_;
    std::string path_ = PathUtf8(folder_.Path());
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(Utf8Path(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(Utf8Path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace karusello::testing
