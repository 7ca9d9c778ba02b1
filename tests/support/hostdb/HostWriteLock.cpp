#include "tests/support/hostdb/HostDb.h"

#include <future>

namespace karusello::test {

std::string SqlText(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c;
        if (c == '\'') {
            quoted += '\'';
        }
    }
    return quoted + "'";
}

std::vector<std::optional<std::string>> HostDb::Column(const std::string& sql) {
    std::vector<std::optional<std::string>> values;
    for (auto& row : Rows(sql)) {
        values.push_back(row.empty() ? std::nullopt : std::move(row.front()));
    }
    return values;
}

std::string HostDb::Value(const std::string& sql) {
    const std::vector<std::optional<std::string>> values = Column(sql);
    if (values.empty() || !values.front()) {
        throw std::runtime_error("no value: " + sql);
    }
    return *values.front();
}

HostWriteLock::HostWriteLock(const std::filesystem::path& file, const std::string& begin,
                             std::chrono::milliseconds holdFor) {
    std::promise<void> taken;
    auto ready = taken.get_future();
    holder_ = std::thread([this, file, begin, holdFor, taken = std::move(taken)]() mutable {
        try {
            HostDb host(file);
            host.Exec(begin);
            host.Exec("update pl_all set title = title where plid = 1");
            taken.set_value();
            std::unique_lock<std::mutex> lock(mutex_);
            if (holdFor > std::chrono::milliseconds(0)) {
                released_.wait_for(lock, holdFor, [this] { return release_; });
            } else {
                released_.wait(lock, [this] { return release_; });
            }
            host.Exec("COMMIT");
        } catch (...) {
            try {
                taken.set_exception(std::current_exception());
            } catch (const std::future_error&) {
                // The lock had been taken; the failure came at its end, after the test's part.
            }
        }
    });
    try {
        ready.get();
    } catch (...) {
        holder_.join();
        throw;
    }
}

HostWriteLock::~HostWriteLock() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        release_ = true;
    }
    released_.notify_all();
    holder_.join();
}

} // namespace karusello::test
