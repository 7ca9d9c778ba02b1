#pragma once

#include <string>

namespace karusello::check {

// Where the standard output of the process goes. A program of the GUI subsystem gets none of
// its own: started by a person it has none, or the console's that it cannot show.
enum class StandardOutput { File, Pipe, Console, None };
StandardOutput KindOfStandardOutput();

// A person started the program and can be shown a message: standard output is no file and no
// pipe, and KARUSELLO_NO_ERROR_DIALOG is not set (scripts and tests set it).
bool ForAPerson();

// The check's report: on standard output always; for a person also saved as
// karusello-check.txt beside the program (UTF-8 with byte order mark, CR LF) and shown in a
// message box, which says where the file is.
void DeliverReport(const std::string& report, bool allOk);

// --version: on standard output, and for a person in a message box.
void DeliverVersion(const std::string& line);

} // namespace karusello::check
