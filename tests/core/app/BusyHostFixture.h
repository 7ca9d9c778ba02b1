#pragma once

#include "PlaylistFixture.h"

#include "core/playlistdb/DBEngine.h"

#include <chrono>

namespace karusello::test {

// A host started on playlist 17 whose database the test makes busy or unwritable; the engine
// waits only a short time for locks.
class BusyHost : public PlaylistFixture {
protected:
    void SetUp() override { dao::SharedDBEngine().SetBusyTimeout(std::chrono::milliseconds(300)); }
    void TearDown() override {
        dao::SharedDBEngine().SetBusyTimeout(dao::DBEngine::kDefaultBusyTimeout);
    }

    // The run ended with the standard error report of that number.
    void ExpectErrorReport(std::optional<ExitCode> end, int number) {
        EXPECT_EQ(end, ExitCode::ErrorReport);
        ASSERT_EQ(ui.lifetime.errors.size(), 1u);
        EXPECT_EQ(ui.lifetime.errors[0].Number(), number) << ui.lifetime.errors[0].Text();
        EXPECT_TRUE(ui.message.sent.empty()) << "the host is not told of a change that failed";
    }
};

} // namespace karusello::test
