#pragma once

// The whole content of a file as the tests and benchmarks read it back: what a program printed,
// an INI file, a process's entry in /proc.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace karusello::test {

// The file's bytes; empty when there is no file or it cannot be read.
inline std::string ReadText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace karusello::test
