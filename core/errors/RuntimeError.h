#pragma once

#include <stdexcept>
#include <string>

namespace karusello {

// Error numbers of the program. They follow the numbers of the Windows runtime and its database
// engine, so that a report reads the same as on the host's own platform.
namespace errnum {
inline constexpr int InvalidProcedureCall = 5; // also: no window with the title to activate
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int TypeMismatch = 13;
inline constexpr int InternalError = 51;
inline constexpr int FileNotFound = 53;
inline constexpr int PathFileAccess = 75;
inline constexpr int InvalidUseOfNull = 94;
inline constexpr int DbGeneric = 3000;
inline constexpr int DbUpdateWithoutEdit = 3020;
inline constexpr int DbNoCurrentRecord = 3021;
inline constexpr int DbFileNotFound = 3024;
inline constexpr int DbReadOnly = 3027;
inline constexpr int DbFileInUse = 3045;
inline constexpr int DbCannotOpen = 3049;
inline constexpr int DbLockLimit = 3052;
inline constexpr int DbSyntax = 3075;
inline constexpr int DbLocked = 3218;
inline constexpr int DbItemNotFound = 3265;
inline constexpr int DbUnrecognizedFormat = 3343;
} // namespace errnum

// The standard German text of an error number ("" for a number without one).
std::string StandardErrorText(int number);

// An error as the program reports it: a number and a text. Every failure that an operation
// reports to its caller is one of these.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, std::string text);
    // An error with the standard text of its number.
    explicit RuntimeError(int number);

    int Number() const noexcept { return number_; }
    const std::string& Text() const noexcept { return text_; }

private:
    int number_;
    std::string text_;
};

} // namespace karusello
