#pragma once

#include <windows.h>

#include <filesystem>
#include <vector>

namespace karusello::hostsim {

// Writes the given windows, frames included, side by side into one PNG file (through GDI+),
// as they are drawn now. Throws std::runtime_error when there is no window or the file cannot
// be written.
void CaptureWindows(const std::vector<HWND>& windows, const std::filesystem::path& file);

} // namespace karusello::hostsim
