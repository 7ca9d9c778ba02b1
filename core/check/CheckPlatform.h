#pragma once

#include <optional>
#include <string>

namespace karusello::check {

// What the program may do with a file, found out without changing it.
struct FileAccess {
    bool exists = false;
    bool readable = false;
    // The program can change the file the way it changes it: the host INI file through the
    // platform's profile functions, the database through its driver.
    bool writable = false;
    // Why a file that exists cannot be read or written, as the system says it; may be empty.
    std::string reason;
};

// The system's single-byte (ANSI) code page, in which the host INI file's text and path are.
struct CodePage {
    unsigned number = 0;
    std::string name;
    // The program's folder can be written in it. Karusello reaches its files either way, but
    // the host, a program of this code page, and the paths it keeps in its INI file cannot
    // hold other characters.
    bool folderFits = true;
};

struct Bitness {
    int program = 0; // 32 or 64
    int system = 0;  // 32 or 64
};

struct DisplayScaling {
    int dpi = 96;
    // The system leaves the window's size to the program: it does not stretch it into a blur.
    bool dpiAware = true;
};

// What only some platforms tell; on the others a fact stays absent and gives no item.
struct SystemFacts {
    std::optional<CodePage> codePage;
    std::optional<Bitness> bitness;
    std::optional<DisplayScaling> display;
};

// What the check needs to know from the platform beyond what the program itself uses.
class CheckPlatform {
public:
    virtual ~CheckPlatform() = default;
    // What the program may do with the file at path; nothing is created, truncated or written.
    virtual FileAccess Access(const std::string& path) = 0;
    virtual SystemFacts System(const std::string& programFolder) = 0;
};

} // namespace karusello::check
