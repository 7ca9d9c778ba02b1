#include "tools/winhost/CommandInput.h"

#include <array>
#include <string>
#include <thread>
#include <utility>

namespace karusello::hostsim {
namespace {

void ReadLines(HANDLE input, PlumbingTarget plumbing) {
    std::string pending;
    std::array<char, 4096> buffer{};
    DWORD got = 0;
    while (::ReadFile(input, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) &&
           got > 0) {
        pending.append(buffer.data(), got);
        std::size_t end = 0;
        while ((end = pending.find('\n')) != std::string::npos) {
            std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (!plumbing.PostLine(std::move(line))) {
                return;
            }
        }
    }
    if (!pending.empty()) {
        plumbing.PostLine(std::move(pending));
    }
}

} // namespace

void StartCommandInput(PlumbingTarget plumbing) {
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    if (input == nullptr || input == INVALID_HANDLE_VALUE) {
        return;
    }
    std::thread(ReadLines, input, plumbing).detach();
}

} // namespace karusello::hostsim
