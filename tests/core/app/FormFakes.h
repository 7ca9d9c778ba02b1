#pragma once

// Recording stand-ins for everything the window reaches outside itself, so that the whole
// workflow runs in tests without a display.

#include "core/app/frmRandomPL.h"

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace karusello::test {

// Thrown by FakeLifetime::EndProgram to unwind like the real end of the process does. Not an
// std::exception, so that the window's own error handling does not catch it.
struct EndedInTest {
    ExitCode code;
};

class FakeFormView : public FormView {
public:
    WindowHandle Handle() override { return 100; }
    void SetCaption(const std::string& text) override { caption = text; }
    void SetButtonCaption(Button button, const std::string& text) override {
        captions[button] = text;
    }
    void SetButtonEnabled(Button button, bool on) override {
        enabled[button] = on;
        log.push_back(std::string(on ? "enable " : "disable ") + Name(button));
    }
    void SetMousePointer(int style) override { log.push_back("pointer " + std::to_string(style)); }
    void SetLabelText(const std::string& text) override {
        label = text;
        log.push_back("label");
    }
    WindowHandle LabelHandle() override { return 101; }
    void SetRedraw(WindowHandle window, bool on) override {
        log.push_back("redraw " + std::to_string(window) + (on ? " on" : " off"));
    }

    static std::string Name(Button b) {
        switch (b) {
        case Button::Shuffel:
            return "cmdShuffel";
        case Button::Abbruch:
            return "cmdAbbruch";
        case Button::Weiderherstellen:
            return "cmdWeiderherstellen";
        }
        return "?";
    }
    bool Enabled(Button b) const {
        auto it = enabled.find(b);
        return it == enabled.end() || it->second;
    }

    std::string caption;
    std::map<Button, std::string> captions;
    std::map<Button, bool> enabled;
    std::string label;
    std::vector<std::string> log;
};

class FakeSkin : public SkinControl {
public:
    void LoadSkin(const std::string& path) override {
        if (failLoad) {
            throw RuntimeError(errnum::PathFileAccess);
        }
        calls.push_back("load " + path);
    }
    void ApplySkin(WindowHandle window) override {
        calls.push_back("apply " + std::to_string(window));
    }
    void RedrawSkinned(WindowHandle window) override {
        calls.push_back("redraw " + std::to_string(window));
    }
    bool failLoad = false;
    std::vector<std::string> calls;
};

class FakeWindowSystem : public WindowSystem {
public:
    bool IsWindow(WindowHandle handle) override {
        asked.push_back(handle);
        return handle != 0 && live.count(handle) > 0;
    }
    void AppActivate(const std::string& title) override {
        if (!titleExists) {
            throw RuntimeError(errnum::InvalidProcedureCall);
        }
        activated.push_back(title);
    }
    std::optional<std::string> WindowTitle(WindowHandle) override { return std::nullopt; }
    std::set<WindowHandle> live;
    bool titleExists = true;
    std::vector<WindowHandle> asked;
    std::vector<std::string> activated;
};

class FakeProcessInfo : public ProcessInfo {
public:
    std::string ExeName() override { return exeName; }
    std::string CommandLine() override { return commandLine; }
    bool PrevInstance() override { return anotherInstance; }
    std::string exeName = "karusello";
    std::string commandLine;
    bool anotherInstance = false;
};

// DoEvents runs the events queued before it, as a pass over pending window events does.
class FakeEventPump : public EventPump {
public:
    void DoEvents() override {
        ++passes;
        std::deque<std::function<void()>> pending;
        pending.swap(queued);
        for (auto& event : pending) {
            event();
        }
    }
    std::deque<std::function<void()>> queued;
    int passes = 0;
};

struct SentMessage {
    std::int32_t target, a, b, c;
    bool operator==(const SentMessage&) const = default;
};

class RecordingMessageControl : public MessageControl {
public:
    void SetTarget(std::int32_t handle) override { target = handle; }
    void SendToTarget(std::int32_t a, std::int32_t b, std::int32_t c) override {
        sent.push_back({target, a, b, c});
    }
    std::int32_t target = 0;
    std::vector<SentMessage> sent;
};

class FakeLifetime : public ProgramLifetime {
public:
    void ReportError(const RuntimeError& error) override { errors.push_back(error); }
    void EndProgram(ExitCode code) override {
        ended = code;
        throw EndedInTest{code};
    }
    std::vector<RuntimeError> errors;
    std::optional<ExitCode> ended;
};

// A window with all its fakes.
struct FormUnderTest {
    FakeFormView view;
    FakeSkin skin;
    FakeWindowSystem windows;
    FakeProcessInfo process;
    FakeEventPump events;
    RecordingMessageControl message;
    FakeLifetime lifetime;
    frmRandomPL form{FormServices{view, skin, windows, process, events, message, lifetime}};

    // Starts the window with these host windows alive and this command line.
    std::optional<ExitCode> Load(std::set<WindowHandle> liveWindows, std::string commandLine) {
        windows.live = std::move(liveWindows);
        process.commandLine = std::move(commandLine);
        return Fire(FormEvent::Load);
    }

    // Fires an event; returns how the program ended, if it did.
    std::optional<ExitCode> Fire(FormEvent event) {
        try {
            form.Fire(event);
        } catch (const EndedInTest& end) {
            return end.code;
        }
        return std::nullopt;
    }
};

} // namespace karusello::test
