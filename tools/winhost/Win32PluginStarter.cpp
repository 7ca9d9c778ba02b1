#include "tools/winhost/Win32PluginStarter.h"

#include "tools/winhost/core/PluginCommandLine.h"
#include "windows/system/UniqueHandle.h"
#include "windows/system/Utf16.h"

#include <stdexcept>
#include <string>

namespace karusello::hostsim {

struct Win32PluginStarter::Watch {
    win32::UniqueHandle process;
    DWORD processId = 0;
    HANDLE wait = nullptr;
    PlumbingTarget plumbing{nullptr};

    ~Watch() {
        if (wait != nullptr) {
            // Waits for a callback that runs right now, so that none runs after this.
            ::UnregisterWaitEx(wait, INVALID_HANDLE_VALUE);
        }
    }
};

namespace {

HANDLE InheritableNull() {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return ::CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         &inherit, OPEN_EXISTING, 0, nullptr);
}

// The host's error output as a handle that the child may inherit; none without one.
HANDLE InheritableErrorOutput() {
    const HANDLE own = ::GetStdHandle(STD_ERROR_HANDLE);
    HANDLE copy = nullptr;
    if (own == nullptr || own == INVALID_HANDLE_VALUE ||
        !::DuplicateHandle(::GetCurrentProcess(), own, ::GetCurrentProcess(), &copy, 0, TRUE,
                           DUPLICATE_SAME_ACCESS)) {
        return nullptr;
    }
    return copy;
}

// Only the three standard handles go to the child: nothing else of the host (its own pipes,
// its log file) stays open in a plug-in that outlives it.
class HandleList {
public:
    explicit HandleList(std::vector<HANDLE> handles) : handles_(std::move(handles)) {
        SIZE_T size = 0;
        ::InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
        storage_.resize(size);
        list_ = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage_.data());
        if (!::InitializeProcThreadAttributeList(list_, 1, 0, &size)) {
            list_ = nullptr;
            return;
        }
        if (!::UpdateProcThreadAttribute(list_, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST,
                                         handles_.data(), handles_.size() * sizeof(HANDLE), nullptr,
                                         nullptr)) {
            ::DeleteProcThreadAttributeList(list_);
            list_ = nullptr;
        }
    }
    ~HandleList() {
        if (list_ != nullptr) {
            ::DeleteProcThreadAttributeList(list_);
        }
    }
    HandleList(const HandleList&) = delete;
    HandleList& operator=(const HandleList&) = delete;
    LPPROC_THREAD_ATTRIBUTE_LIST Get() const { return list_; }

private:
    std::vector<HANDLE> handles_;
    std::vector<char> storage_;
    LPPROC_THREAD_ATTRIBUTE_LIST list_ = nullptr;
};

void CALLBACK ProcessEnded(PVOID context, BOOLEAN /*timedOut*/) {
    const auto* watch = static_cast<const Win32PluginStarter::Watch*>(context);
    DWORD code = 0;
    if (!::GetExitCodeProcess(watch->process.Get(), &code)) {
        code = static_cast<DWORD>(-1);
    }
    watch->plumbing.PostEnd(watch->processId, code);
}

} // namespace

Win32PluginStarter::Win32PluginStarter(PlumbingTarget plumbing, bool quotePath)
    : plumbing_(plumbing), quotePath_(quotePath) {}

Win32PluginStarter::~Win32PluginStarter() = default;

std::int64_t Win32PluginStarter::Start(const std::filesystem::path& program,
                                       const std::vector<std::string>& arguments,
                                       const std::filesystem::path& workingFolder) {
    const win32::UniqueHandle nul(InheritableNull());
    const win32::UniqueHandle errors(InheritableErrorOutput());
    std::vector<HANDLE> inherited;
    if (nul.Valid()) {
        inherited.push_back(nul.Get());
    }
    if (errors.Valid()) {
        inherited.push_back(errors.Get());
    }
    const HandleList handleList(inherited);

    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.StartupInfo.hStdInput = nul.Get();
    startup.StartupInfo.hStdOutput = nul.Get();
    startup.StartupInfo.hStdError = errors.Valid() ? errors.Get() : nul.Get();
    startup.lpAttributeList = handleList.Get();
    DWORD flags = DETACHED_PROCESS | CREATE_UNICODE_ENVIRONMENT;
    if (handleList.Get() != nullptr) {
        flags |= EXTENDED_STARTUPINFO_PRESENT;
    }

    std::wstring commandLine = PluginCommandLine(program, arguments, quotePath_);
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(program.wstring().c_str(), commandLine.data(), nullptr, nullptr,
                          !inherited.empty(), flags, nullptr, workingFolder.wstring().c_str(),
                          &startup.StartupInfo, &started)) {
        throw std::runtime_error("cannot start " + win32::Utf8FromWide(program.wstring()) +
                                 ": error " + std::to_string(::GetLastError()));
    }
    ::CloseHandle(started.hThread);

    auto watch = std::make_unique<Watch>();
    watch->process.Reset(started.hProcess);
    watch->processId = started.dwProcessId;
    watch->plumbing = plumbing_;
    if (!::RegisterWaitForSingleObject(&watch->wait, watch->process.Get(), &ProcessEnded,
                                       watch.get(), INFINITE, WT_EXECUTEONLYONCE)) {
        watch->wait = nullptr;
    }
    watches_.push_back(std::move(watch));
    return started.dwProcessId;
}

} // namespace karusello::hostsim
