// What the platform tells of the system the plug-in runs on.
#include "core/check/CheckSteps.h"

namespace karusello::check {

namespace {

void CheckCodePage(const CodePage& codePage, CheckReport& report) {
    const std::string detail =
        std::to_string(codePage.number) + (codePage.name.empty() ? "" : " (" + codePage.name + ")");
    if (codePage.folderFits) {
        report.Add(Ok("code page", detail));
    } else {
        report.Add(Problem("code page",
                           detail + ": the program's folder has characters that it cannot "
                                    "write, which the host and the paths in its INI file "
                                    "cannot hold",
                           "Install the host and Karusello in a folder whose path has only "
                           "characters of this code page."));
    }
}

void CheckBitness(const Bitness& bits, CheckReport& report) {
    std::string detail = std::to_string(bits.program) + "-bit program on a " +
                         std::to_string(bits.system) + "-bit system";
    if (bits.program < bits.system) {
        detail += ": it uses the system's 32-bit ODBC drivers and registry";
    }
    report.Add(Ok("program and system", detail));
}

void CheckDisplay(const DisplayScaling& display, CheckReport& report) {
    const std::string detail = std::to_string(display.dpi) + " dots per inch";
    if (display.dpiAware) {
        report.Add(Ok("display", detail + ", the window is drawn at this resolution"));
    } else {
        report.Add(Problem("display",
                           detail + ", but the program is not DPI-aware: the system stretches "
                                    "its window",
                           "Use the karusello.exe of the package unchanged: its manifest "
                           "declares it DPI-aware."));
    }
}

} // namespace

void CheckSystem(const SystemFacts& facts, CheckReport& report) {
    if (facts.codePage) {
        CheckCodePage(*facts.codePage, report);
    }
    if (facts.bitness) {
        CheckBitness(*facts.bitness, report);
    }
    if (facts.display) {
        CheckDisplay(*facts.display, report);
    }
}

} // namespace karusello::check
