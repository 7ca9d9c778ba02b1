// Windows only: under Wine, the ODBC calls reach the Linux unixODBC and the Linux driver, which
// open the file by its Unix path. Wine's kernel32 exports the conversion; Windows does not.
#include "windows/odbc/DriverFilePath.h"

#include "windows/system/Utf16.h"

#include <windows.h>

#include <memory>

namespace karusello::dao {

namespace {

using WineUnixFileName = char*(CDECL*)(LPCWSTR);

WineUnixFileName WineConversion() {
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (kernel == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<WineUnixFileName>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "wine_get_unix_file_name")));
}

struct HeapText {
    void operator()(char* text) const { HeapFree(GetProcessHeap(), 0, text); }
};

} // namespace

std::string DriverFilePath(const std::string& path) {
    static const WineUnixFileName convert = WineConversion();
    if (convert == nullptr) {
        return path;
    }
    const std::wstring wide = win32::WideFromUtf8(path);
    const std::unique_ptr<char, HeapText> unixPath(convert(wide.c_str()));
    // Without a Unix name (no such drive) the driver gets the path as it is, and fails on it.
    return unixPath ? std::string(unixPath.get()) : path;
}

} // namespace karusello::dao
