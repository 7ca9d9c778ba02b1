#include "linux/process/PosixProcessInfo.h"

#include "core/config/ProgramLocation.h"

namespace karusello {

namespace {

std::string JoinArguments(int argc, const char* const* argv) {
    std::string line;
    for (int i = 1; i < argc && argv != nullptr && argv[i] != nullptr; ++i) {
        if (i > 1) {
            line += ' ';
        }
        line += argv[i];
    }
    return line;
}

} // namespace

PosixProcessInfo::PosixProcessInfo(int argc, const char* const* argv, LockPlaces places)
    : commandLine_(JoinArguments(argc, argv)), places_(std::move(places)) {}

std::string PosixProcessInfo::ExeName() {
    return ProgramLocation::ExeName();
}

std::string PosixProcessInfo::CommandLine() {
    return commandLine_;
}

bool PosixProcessInfo::PrevInstance() {
    if (!lock_) {
        lock_ = std::make_unique<InstanceLock>(ExeName(), places_);
    }
    return lock_->AnotherInstanceRuns();
}

} // namespace karusello
