#include "core/errors/RuntimeError.h"

namespace karusello {

std::string StandardErrorText(int number) {
    switch (number) {
    case errnum::InvalidProcedureCall:
        return "Ungültiger Prozeduraufruf oder ungültiges Argument";
    case errnum::Overflow:
        return "Überlauf";
    case errnum::OutOfMemory:
        return "Nicht genügend Speicher";
    case errnum::SubscriptOutOfRange:
        return "Index außerhalb des gültigen Bereichs";
    case errnum::TypeMismatch:
        return "Typen unverträglich";
    case errnum::InternalError:
        return "Interner Fehler";
    case errnum::FileNotFound:
        return "Datei nicht gefunden";
    case errnum::PathFileAccess:
        return "Fehler beim Zugriff auf Pfad/Datei";
    case errnum::InvalidUseOfNull:
        return "Unzulässige Verwendung von Null";
    case errnum::DbGeneric:
        return "Datenbankfehler";
    case errnum::DbUpdateWithoutEdit:
        return "Aktualisieren ohne AddNew oder Edit.";
    case errnum::DbNoCurrentRecord:
        return "Kein aktueller Datensatz.";
    case errnum::DbFileNotFound:
        return "Datei nicht gefunden.";
    case errnum::DbReadOnly:
        return "Aktualisieren nicht möglich. Datenbank oder Objekt ist schreibgeschützt.";
    case errnum::DbFileInUse:
        return "Datei wird bereits verwendet.";
    case errnum::DbCannotOpen:
        return "Datenbank kann nicht geöffnet werden.";
    case errnum::DbLockLimit:
        return "Anzahl der Dateisperren überschritten. Erhöhen Sie den Wert für den "
               "Registrierungseintrag MaxLocksPerFile.";
    case errnum::DbSyntax:
        return "Syntaxfehler in Abfrageausdruck.";
    case errnum::DbLocked:
        return "Aktualisieren nicht möglich; momentan gesperrt.";
    case errnum::DbItemNotFound:
        return "Element in dieser Auflistung nicht gefunden.";
    case errnum::DbUnrecognizedFormat:
        return "Nicht erkennbares Datenbankformat.";
    default:
        return "";
    }
}

namespace {
std::string What(int number, const std::string& text) {
    return "Laufzeitfehler " + std::to_string(number) + ": " + text;
}
} // namespace

RuntimeError::RuntimeError(int number, std::string text)
    : std::runtime_error(What(number, text)), number_(number), text_(std::move(text)) {}

RuntimeError::RuntimeError(int number) : RuntimeError(number, StandardErrorText(number)) {}

} // namespace karusello
