#pragma once

#include "core/app/frmRandomPL.h"
#include "bench/HostDatabases.h"
#include "bench/Paired.h"
#include "core/config/ProgramLocation.h"

#include <cstdint>
#include <string>

namespace karusello::bench {

// The window's surroundings reduced to nothing: no controls, no skin, no display. Both host
// windows exist, the yield finds no pending events and messages go nowhere, so that what is
// measured is the workflow and its database work.
class QuietView : public FormView {
public:
    WindowHandle Handle() override { return 1; }
    void SetCaption(const std::string&) override {}
    void SetButtonCaption(Button, const std::string&) override {}
    void SetButtonEnabled(Button, bool) override {}
    void SetMousePointer(int) override {}
    void SetLabelText(const std::string&) override {}
    WindowHandle LabelHandle() override { return 2; }
    void SetRedraw(WindowHandle, bool) override {}
};

class QuietSkin : public SkinControl {
public:
    void LoadSkin(const std::string&) override {}
    void ApplySkin(WindowHandle) override {}
    void RedrawSkinned(WindowHandle) override {}
};

class LiveHostWindows : public WindowSystem {
public:
    bool IsWindow(WindowHandle handle) override { return handle != 0; }
    void AppActivate(const std::string&) override {}
};

class FixedProcess : public ProcessInfo {
public:
    explicit FixedProcess(std::int32_t playlistId) : commandLine_(std::to_string(playlistId)) {}
    std::string ExeName() override { return "karusello"; }
    std::string CommandLine() override { return commandLine_; }
    bool PrevInstance() override { return false; }

private:
    std::string commandLine_;
};

class NoEvents : public EventPump {
public:
    void DoEvents() override {}
};

class NoMessages : public MessageControl {
public:
    void SetTarget(std::int32_t) override {}
    void SendToTarget(std::int32_t, std::int32_t, std::int32_t) override {}
};

// An end of the program or a reported error stops the benchmark with its reason.
class FailingLifetime : public ProgramLifetime {
public:
    void ReportError(const RuntimeError& error) override;
    void EndProgram(ExitCode code) override;

private:
    std::string lastError_;
};

// The window loaded on a bench host's playlist, ready for clicks and ticks.
class BenchForm {
public:
    BenchForm(const BenchHost& host, std::int32_t playlistId);
    BenchForm(const BenchForm&) = delete;
    BenchForm& operator=(const BenchForm&) = delete;

    // Runs one event; throws std::runtime_error when the window would end the program or
    // when the playlist was refused (the work would then be skipped, not measured).
    void Fire(FormEvent event);

private:
    std::int32_t playlistId_;
    ScopedProgramLocation location_;
    QuietView view_;
    QuietSkin skin_;
    LiveHostWindows windows_;
    FixedProcess process_;
    NoEvents events_;
    NoMessages message_;
    FailingLifetime lifetime_;
    frmRandomPL form_;
};

// Every shuffle after the first (the old order is saved already) through the window on the
// playlist, paired with the bare shuffle of the same playlist.
PairedResult PairedShuffle(benchmark::State& state, const BenchHost& host, std::int32_t playlistId);

} // namespace karusello::bench
