#include "windows/process/NamedMutex.h"

#include "core/errors/RuntimeError.h"
#include "windows/system/Utf16.h"

#include <windows.h>

namespace karusello {

NamedMutex::NamedMutex(const std::string& name) {
    const std::wstring fullName = L"Local\\" + win32::WideFromUtf8(name);
    handle_.Reset(::CreateMutexW(nullptr, FALSE, fullName.c_str()));
    const DWORD error = ::GetLastError();
    if (!handle_.Valid()) {
        // A mutex of that name made by a process with other rights still means that it runs.
        if (error == ERROR_ACCESS_DENIED) {
            existed_ = true;
            return;
        }
        throw RuntimeError(errnum::PathFileAccess,
                           StandardErrorText(errnum::PathFileAccess) +
                               ": Sperre gegen einen zweiten Start nicht anlegbar (Fehler " +
                               std::to_string(error) + ")");
    }
    existed_ = error == ERROR_ALREADY_EXISTS;
}

} // namespace karusello
