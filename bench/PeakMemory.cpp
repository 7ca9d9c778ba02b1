#include "bench/PeakMemory.h"

#include "bench/BenchForm.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/FileText.h"

#include <chrono>
#include <exception>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

namespace karusello::bench {

namespace {

namespace fs = std::filesystem;

constexpr const char* kChildFlag = "--memory-child";
constexpr const char* kPeakLabel = "VmHWM:";

fs::path OwnExecutable() {
    return fs::read_symlink("/proc/self/exe");
}

// The line "VmHWM:   1234 kB" of the process's status.
long long OwnPeakBytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(kPeakLabel, 0) == 0) {
            return std::stoll(line.substr(std::string(kPeakLabel).size())) * 1024;
        }
    }
    throw std::runtime_error("no VmHWM in /proc/self/status");
}

} // namespace

long long PeakBytesOfFreshProcess(const BenchHost& host, bool shuffle) {
    const fs::path output =
        HostDatabases::Instance().NewFolder("memory") / (shuffle ? "shuffle.txt" : "open.txt");
    fs::remove(output);
    {
        test::ChildProcess child(OwnExecutable(),
                                 {kChildFlag, host.folder.string(), host.database.string(),
                                  shuffle ? "shuffle" : "open"},
                                 {}, output);
        if (child.WaitFor(std::chrono::minutes(5)) != 0) {
            throw std::runtime_error("the measured child failed: " + test::ReadText(output));
        }
    }
    std::ifstream in(output);
    long long bytes = 0;
    if (!(in >> bytes)) {
        throw std::runtime_error("the measured child reported no peak");
    }
    return bytes;
}

std::optional<int> RunMemoryChild(int argc, char** argv) {
    if (argc != 5 || std::string(argv[1]) != kChildFlag) {
        return std::nullopt;
    }
    try {
        const BenchHost host{argv[2], argv[3]};
        BenchForm form(host, kBigPlaylist);
        if (std::string(argv[4]) == "shuffle") {
            form.Fire(FormEvent::ShuffelClick);
        }
        std::cout << OwnPeakBytes() << std::endl;
        return 0;
    } catch (const std::exception& e) {
        std::cerr << e.what() << std::endl;
        return 1;
    }
}

} // namespace karusello::bench
