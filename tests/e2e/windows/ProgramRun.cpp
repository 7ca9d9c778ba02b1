#include "ProgramRun.h"

#include "PluginWindow.h"

#include <cwctype>
#include <stdexcept>

namespace karusello::e2e {

namespace {

// This process's environment with KARUSELLO_NO_ERROR_DIALOG set, or without it, as a block.
std::wstring EnvironmentWith(ProgramRun::Dialogs dialogs) {
    std::wstring block;
    wchar_t* strings = ::GetEnvironmentStringsW();
    for (const wchar_t* entry = strings; *entry != L'\0'; entry += wcslen(entry) + 1) {
        std::wstring text(entry);
        std::wstring name = text.substr(0, text.find(L'='));
        for (wchar_t& c : name) {
            c = static_cast<wchar_t>(std::towupper(c));
        }
        if (name != L"KARUSELLO_NO_ERROR_DIALOG") {
            block += text;
            block.push_back(L'\0');
        }
    }
    ::FreeEnvironmentStringsW(strings);
    if (dialogs == ProgramRun::Dialogs::Suppressed) {
        block += L"KARUSELLO_NO_ERROR_DIALOG=1";
        block.push_back(L'\0');
    }
    block.push_back(L'\0');
    return block;
}

win32::UniqueHandle Inheritable(HANDLE handle) {
    ::SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    return win32::UniqueHandle(handle);
}

win32::UniqueHandle NullDevice(DWORD access) {
    return Inheritable(::CreateFileW(L"NUL", access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, 0, nullptr));
}

} // namespace

ProgramRun::ProgramRun(const std::filesystem::path& program, const std::wstring& arguments,
                       const std::filesystem::path& folder, Output output, Dialogs dialogs,
                       const std::filesystem::path& errors) {
    const win32::UniqueHandle input = NullDevice(GENERIC_READ);
    win32::UniqueHandle childOutput;
    if (output == Output::Pipe) {
        SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        if (!::CreatePipe(pipe_.Out(), childOutput.Out(), &inherit, 0)) {
            throw std::runtime_error("no pipe for the program's output");
        }
        ::SetHandleInformation(pipe_.Get(), HANDLE_FLAG_INHERIT, 0);
    } else {
        childOutput = NullDevice(GENERIC_WRITE);
    }
    const win32::UniqueHandle errorFile = Inheritable(
        ::CreateFileW(errors.wstring().c_str(), FILE_APPEND_DATA,
                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, 0, nullptr));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input.Get();
    startup.hStdOutput = childOutput.Get();
    startup.hStdError = errorFile.Get();
    std::wstring line = L"\"" + program.wstring() + L"\" " + arguments;
    std::wstring environment = EnvironmentWith(dialogs);
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT,
                          environment.data(), folder.wstring().c_str(), &startup, &started)) {
        throw std::runtime_error("cannot start the program: error " +
                                 std::to_string(::GetLastError()));
    }
    ::CloseHandle(started.hThread);
    process_.Reset(started.hProcess);
    id_ = started.dwProcessId;
}

ProgramRun::~ProgramRun() {
    if (process_.Valid() && ::WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(process_.Get(), 137);
        ::WaitForSingleObject(process_.Get(), 10000);
    }
}

void ProgramRun::ReadAvailable() {
    DWORD available = 0;
    while (pipe_.Valid() &&
           ::PeekNamedPipe(pipe_.Get(), nullptr, 0, nullptr, &available, nullptr) &&
           available > 0) {
        std::string buffer(available, '\0');
        DWORD got = 0;
        if (!::ReadFile(pipe_.Get(), buffer.data(), available, &got, nullptr) || got == 0) {
            return;
        }
        output_.append(buffer.data(), got);
    }
}

std::optional<DWORD> ProgramRun::Wait(std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        ReadAvailable();
        if (::WaitForSingleObject(process_.Get(), 10) == WAIT_OBJECT_0) {
            ReadAvailable();
            DWORD code = 0;
            ::GetExitCodeProcess(process_.Get(), &code);
            return code;
        }
        if (std::chrono::steady_clock::now() >= end) {
            return std::nullopt;
        }
    }
}

std::wstring MessageBoxText(HWND box) {
    // A message box's text is its static control with the id 0xFFFF. GetWindowText reads no
    // control of another process: the control is asked.
    const HWND text = ::GetDlgItem(box, 0xFFFF);
    DWORD_PTR length = 0;
    if (text == nullptr ||
        ::SendMessageTimeoutW(text, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length) == 0) {
        return L"";
    }
    std::wstring content(length + 1, L'\0');
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutW(text, WM_GETTEXT, content.size(),
                          reinterpret_cast<LPARAM>(content.data()), SMTO_ABORTIFHUNG, 5000,
                          &copied);
    content.resize(copied);
    return content;
}

} // namespace karusello::e2e
