// Start-up: from the start of the process to its window shown (viewable) on the X server, for
// the real program on a demo host and for an empty Qt window, alternately in the same run.
#include "bench/Benchmarks.h"
#include "bench/HostDatabases.h"
#include "bench/Paired.h"
#include "bench/Summary.h"
#include "bench/XServer.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/FileText.h"
#include "tests/support/PluginFolder.h"
#include "tests/support/XDisplay.h"
#include "tools/demohost/DemoHost.h"

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <thread>

namespace karusello::bench {

namespace {

namespace fs = std::filesystem;
using test::ReadText;
using test::XDisplay;
using namespace std::chrono_literals;

const std::string kTitle = "Brisolan Karusello";
const std::string kEmptyTitle = "Leeres Fenster";
constexpr auto kPatience = 30s;
constexpr int kPairs = 20;
constexpr double kStartupGoal = 3.0;

// A demo host with the shipped skin, the plug-in hard-linked into it and installed by its own
// first run, and a live host window published in the INI file as the host does.
class StartupHost {
public:
    explicit StartupHost(XDisplay& x);

    fs::path Plugin() const { return folder_ / "karusello"; }
    // Seconds from the start of the process to a viewable window with the title; the program is
    // then killed and its window awaited gone.
    double TimeToWindow(XDisplay& x, const std::string& program,
                        const std::vector<std::string>& args, const std::string& title);

private:
    fs::path root_;
    fs::path folder_;
    fs::path runtime_;
    fs::path output_;
};

StartupHost::StartupHost(XDisplay& x)
    : root_(HostDatabases::Instance().NewFolder("startup")), folder_(root_ / "host"),
      runtime_(root_ / "run"), output_(root_ / "output.txt") {
    test::MakeRuntimeFolder(runtime_);
    demohost::DemoOptions options;
    options.folder = folder_;
    options.skin = fs::path(SKIN_FILE);
    demohost::CreateDemoHost(options);
    test::LinkPlugin(KARUSELLO_EXE, Plugin());
    test::ChildProcess install(Plugin().string(), {"17"}, test::PluginEnvironment(runtime_),
                               output_);
    if (install.WaitFor(kPatience) != 2) {
        throw std::runtime_error("the plug-in did not install itself: " + ReadText(output_));
    }
    test::PublishHandles(folder_ / demohost::kIniFileName,
                         x.CreateWindow("Brisolan Datenbank (Messung)"), 0);
}

double StartupHost::TimeToWindow(XDisplay& x, const std::string& program,
                                 const std::vector<std::string>& args, const std::string& title) {
    const auto start = std::chrono::steady_clock::now();
    test::ChildProcess run(program, args, test::PluginEnvironment(runtime_), output_);
    while (!x.TitledViewable(title)) {
        if (const auto code = run.WaitFor(0ms)) {
            throw std::runtime_error(program + " ended with code " + std::to_string(*code) +
                                     " before showing its window: " + ReadText(output_));
        }
        if (std::chrono::steady_clock::now() - start > kPatience) {
            throw std::runtime_error(program + " showed no window titled " + title);
        }
        std::this_thread::sleep_for(1ms);
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.Kill();
    const auto gone = std::chrono::steady_clock::now() + kPatience;
    while (!x.WindowsTitled(title).empty() && std::chrono::steady_clock::now() < gone) {
        std::this_thread::sleep_for(1ms);
    }
    return seconds;
}

void Startup(benchmark::State& state) {
    try {
        XServer::Shared();
        XDisplay x;
        if (!x.Connected()) {
            state.SkipWithError("no X server");
            return;
        }
        StartupHost host(x);
        // Processor time stays 0: the work is done by the child processes.
        const std::function<Sample()> plugin = [&] {
            return Sample{host.TimeToWindow(x, host.Plugin(), {"17"}, kTitle), 0};
        };
        const std::function<Sample()> empty = [&] {
            return Sample{host.TimeToWindow(x, EMPTY_WINDOW_EXE, {kEmptyTitle}, kEmptyTitle), 0};
        };
        // Once each unmeasured, so that both find their libraries in the page cache.
        plugin();
        empty();
        const PairedResult r = RunPaired(state, plugin, empty);
        Record(
            PairedLine("start-up to window shown", "-", r, "ratio <= 3", r.ratio <= kStartupGoal));
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

} // namespace

void RegisterStartupBenchmark() {
    benchmark::RegisterBenchmark("startup", Startup)
        ->Iterations(kPairs)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

} // namespace karusello::bench
