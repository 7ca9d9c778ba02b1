#include "windows/check/ReportDelivery.h"

#include "core/config/ProgramLocation.h"
#include "core/errors/RuntimeError.h"
#include "windows/system/UniqueHandle.h"
#include "windows/system/Utf16.h"

#include <windows.h>

#include <cstdlib>
#include <iostream>
#include <optional>

namespace karusello::check {

namespace {

// Not the window's caption "Brisolan Karusello", which a second start looks for.
constexpr const wchar_t* kBoxTitle = L"Karusello --check";
constexpr const char* kReportFile = "karusello-check.txt";

void WriteStandardOutput(const std::string& text) {
    std::cout << text << std::flush;
}

std::string WithCrLf(const std::string& text) {
    std::string lines;
    for (const char c : text) {
        if (c == '\n') {
            lines += '\r';
        }
        lines += c;
    }
    return lines;
}

// Saves the report beside the program; the path, or nothing when it cannot be written there.
std::optional<std::string> SaveReport(const std::string& report) {
    try {
        const std::string path = JoinPath(ProgramLocation::Folder(), kReportFile);
        const win32::UniqueHandle file(
            ::CreateFileW(win32::WideFromUtf8(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                          nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid()) {
            return std::nullopt;
        }
        const std::string bytes = "\xEF\xBB\xBF" + WithCrLf(report);
        DWORD written = 0;
        if (::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                        nullptr) == FALSE ||
            written != bytes.size()) {
            return std::nullopt;
        }
        return path;
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

void ShowMessage(const std::string& text, UINT icon) {
    ::MessageBoxW(nullptr, win32::WideFromUtf8(text).c_str(), kBoxTitle,
                  MB_OK | icon | MB_SETFOREGROUND);
}

} // namespace

StandardOutput KindOfStandardOutput() {
    const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == nullptr || output == INVALID_HANDLE_VALUE) {
        return StandardOutput::None;
    }
    switch (::GetFileType(output)) {
    case FILE_TYPE_DISK:
        return StandardOutput::File;
    case FILE_TYPE_PIPE:
        return StandardOutput::Pipe;
    case FILE_TYPE_CHAR:
        return StandardOutput::Console;
    default:
        return StandardOutput::None;
    }
}

bool ForAPerson() {
    const StandardOutput output = KindOfStandardOutput();
    return output != StandardOutput::File && output != StandardOutput::Pipe &&
           std::getenv("KARUSELLO_NO_ERROR_DIALOG") == nullptr;
}

void DeliverReport(const std::string& report, bool allOk) {
    WriteStandardOutput(report);
    if (!ForAPerson()) {
        return;
    }
    const std::optional<std::string> saved = SaveReport(report);
    const std::string where = saved ? "This report is saved in " + *saved + "."
                                    : std::string("This report could not be saved as ") +
                                          kReportFile + " beside the program.";
    ShowMessage(report + "\n" + where, allOk ? MB_ICONINFORMATION : MB_ICONWARNING);
}

void DeliverVersion(const std::string& line) {
    WriteStandardOutput(line + "\n");
    if (ForAPerson()) {
        ShowMessage(line, MB_ICONINFORMATION);
    }
}

} // namespace karusello::check
