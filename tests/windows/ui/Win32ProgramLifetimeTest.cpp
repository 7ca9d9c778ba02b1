#include "windows/ui/Win32ProgramLifetime.h"

#include "WinTestSupport.h"
#include "core/app/interfaces/TitleMatch.h"
#include "windows/user32/TopLevelWindows.h"
#include "windows/ui/RandomPLWindow.h"
#include "windows/ui/Win32EventPump.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace karusello {
namespace {

// Watches this thread for message boxes: each one is recorded with its title and text, checked
// against the search of a second start, and closed at once, so that no test waits for a click.
class MessageBoxWatch {
public:
    struct Seen {
        std::string title;
        std::string text;
        bool takenForTheWindow = false;
    };

    MessageBoxWatch() {
        current_ = this;
        hook_ = SetWindowsHookExW(WH_CBT, &Hook, nullptr, GetCurrentThreadId());
    }
    ~MessageBoxWatch() {
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }

    std::vector<Seen> seen;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_ACTIVATE && current_ != nullptr) {
            const HWND box = reinterpret_cast<HWND>(wParam);
            wchar_t className[32] = {};
            GetClassNameW(box, className, 32);
            if (std::wstring(className) == L"#32770") {
                current_->Record(box);
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    void Record(HWND box) {
        Seen entry{WindowTextUtf8(box), WindowTextUtf8(GetDlgItem(box, 0xFFFF))};
        const auto windows = ListTitledWindows();
        const auto match = FindTitle(windows, "Brisolan Karusello");
        entry.takenForTheWindow = match && windows[*match].window == box;
        seen.push_back(entry);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }

    static inline MessageBoxWatch* current_ = nullptr;
    HHOOK hook_ = nullptr;
};

class ErrorReport : public testing::Test {
protected:
    ErrorReport() : window(Dpi{96, 96}), lifetime(window) {
        // The caption is set, as in the running program.
        SetWindowTextUtf8(window.Hwnd(), "Brisolan Karusello");
        if (const char* value = std::getenv("KARUSELLO_NO_ERROR_DIALOG")) {
            saved_ = value;
        }
    }
    ~ErrorReport() override {
        _putenv_s("KARUSELLO_NO_ERROR_DIALOG", saved_ ? saved_->c_str() : "");
    }

    RandomPLWindow window;
    Win32ProgramLifetime lifetime;

private:
    std::optional<std::string> saved_;
};

// A second start looks for the caption "Brisolan Karusello" (first the exact title, then one
// that begins with it); the report must not be what it finds.
TEST_F(ErrorReport, TheMessageBoxIsTitledSoThatASecondStartNeverTakesItForTheWindow) {
    _putenv_s("KARUSELLO_NO_ERROR_DIALOG", "");
    window.Show();
    window.StartTimers();
    MessageBoxWatch watch;
    testing::internal::CaptureStderr();
    lifetime.ReportError(RuntimeError(errnum::FileNotFound, "Datei nicht gefunden: 'C:\\ü.skn'"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Karusello: Laufzeitfehler 53: Datei nicht gefunden: 'C:\\ü.skn'\n");

    ASSERT_EQ(watch.seen.size(), 1u);
    EXPECT_EQ(watch.seen[0].title, "Karusello");
    EXPECT_EQ(watch.seen[0].text, "Laufzeitfehler '53':\n\nDatei nicht gefunden: 'C:\\ü.skn'");
    EXPECT_FALSE(watch.seen[0].takenForTheWindow);
    EXPECT_FALSE(window.TimersActive());
}

TEST_F(ErrorReport, TestsAndScriptsSwitchTheMessageBoxOffAndKeepTheLine) {
    _putenv_s("KARUSELLO_NO_ERROR_DIALOG", "1");
    window.StartTimers();
    MessageBoxWatch watch;
    testing::internal::CaptureStderr();
    lifetime.ReportError(RuntimeError(errnum::Overflow));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Karusello: Laufzeitfehler 6: Überlauf\n");
    EXPECT_TRUE(watch.seen.empty());
    EXPECT_FALSE(window.TimersActive());
}

TEST(Win32ProgramLifetimeDeathTest, EndProgramStopsTheProcessAtOnceWithTheExitCode) {
    RandomPLWindow window(Dpi{96, 96});
    Win32ProgramLifetime lifetime(window);
    EXPECT_EXIT(lifetime.EndProgram(ExitCode::NoHostWindow), testing::ExitedWithCode(4), "");
    // Also from inside the one pass of the event pump that a click makes.
    EXPECT_EXIT(
        {
            window.SetEventHandler(
                [&](FormEvent) { lifetime.EndProgram(ExitCode::PlaylistCheck); });
            window.Show();
            PostMessageW(window.cmdShuffel().Hwnd(), BM_CLICK, 0, 0);
            Win32EventPump(window.Hwnd()).DoEvents();
            std::exit(99);
        },
        testing::ExitedWithCode(6), "");
}

TEST(Win32EventPump, OnePassHandlesWhatIsPendingAndLeavesTheQuitForTheEventLoop) {
    RandomPLWindow window(Dpi{96, 96});
    std::vector<FormEvent> events;
    window.SetEventHandler([&](FormEvent event) { events.push_back(event); });
    window.Show();
    PostMessageW(window.cmdAbbruch().Hwnd(), BM_CLICK, 0, 0);
    PostQuitMessage(7);
    Win32EventPump(window.Hwnd()).DoEvents();
    EXPECT_EQ(events, (std::vector{FormEvent::AbbruchClick}));
    EXPECT_EQ(RunEventLoop(window.Hwnd()), 7);
}

} // namespace
} // namespace karusello
