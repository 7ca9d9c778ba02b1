#include "tools/hostsim/CommandReader.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <unistd.h>
#include <utility>

namespace karusello::hostsim {

CommandReader::CommandReader(QObject* parent)
    : QObject(parent), notifier_(new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this)) {
    connect(notifier_, &QSocketNotifier::activated, this, &CommandReader::ReadAvailable);
}

void CommandReader::ReadAvailable() {
    std::array<char, 4096> buffer{};
    const ssize_t n = ::read(STDIN_FILENO, buffer.data(), buffer.size());
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
        return;
    }
    if (n <= 0) {
        notifier_->setEnabled(false);
        if (!pending_.empty()) {
            emit LineRead(std::exchange(pending_, {}));
        }
        return;
    }
    pending_.append(buffer.data(), static_cast<std::size_t>(n));
    std::size_t end = 0;
    while ((end = pending_.find('\n')) != std::string::npos) {
        std::string line = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        emit LineRead(line);
    }
}

} // namespace karusello::hostsim
