#include "core/check/CheckReport.h"

#include <gtest/gtest.h>

namespace karusello::check {
namespace {

TEST(CheckReport, OneLinePerItemAndWhatToDoOnlyForAProblem) {
    CheckReport report;
    report.Add(Ok("program", "C:\\Brisolan\\karusello.exe"));
    report.Add(Problem("host window DB", "no window", "Start the host."));
    EXPECT_EQ(report.Text("Karusello 1.2"), "Karusello 1.2\n"
                                            "\n"
                                            "OK       program: C:\\Brisolan\\karusello.exe\n"
                                            "PROBLEM  host window DB: no window\n"
                                            "         what to do: Start the host.\n"
                                            "\n"
                                            "Result: a PROBLEM in 1 of 2 items.\n");
    EXPECT_EQ(report.Code(), ExitCode::CheckProblem);
    EXPECT_EQ(static_cast<int>(report.Code()), 7);

    CheckReport good;
    good.Add(Ok("program", "karusello"));
    EXPECT_EQ(good.Code(), ExitCode::Normal);
    EXPECT_NE(good.Text("").find("Result: all 1 items OK."), std::string::npos);
}

} // namespace
} // namespace karusello::check
