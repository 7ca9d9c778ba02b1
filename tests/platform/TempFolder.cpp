#include "TempFolder.h"

#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace karusello::test {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "karusello-test-XXXXXX");
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    path_ = buffer.data();
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace karusello::test
