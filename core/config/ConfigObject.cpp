#include "core/config/ConfigObject.h"

#include <string_view>

namespace karusello {
namespace {

// Replaces every occurrence of what in text, scanning once from the start; text that has just
// been inserted is not scanned again, so a replacement that holds what stays as it is.
std::string ReplaceAll(const std::string& text, std::string_view what, std::string_view with) {
    std::string result;
    result.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, from)) {
        result.append(text, from, at - from);
        result.append(with);
        from = at + what.size();
    }
    result.append(text, from, std::string::npos);
    return result;
}

std::string Format(const std::string& stored, const TextVariant& S1, const TextVariant& S2,
                   const TextVariant& S3, const TextVariant& S4) {
    if (stored.empty() || stored == "Null") {
        return std::string();
    }
    // Line breaks first, so a backslash + n that an argument brings in stays as it is.
    std::string text = ReplaceAll(stored, "\\n", "\n");
    text = ReplaceAll(text, "$1", S1.AsText());
    text = ReplaceAll(text, "$2", S2.AsText());
    text = ReplaceAll(text, "$3", S3.AsText());
    return ReplaceAll(text, "$4", S4.AsText());
}

} // namespace

std::string ConfigObject::GetDescription(const TextVariant& S1, const TextVariant& S2,
                                         const TextVariant& S3, const TextVariant& S4) const {
    return Format(sDescription, S1, S2, S3, S4);
}

std::string ConfigObject::GetDescriptionEx(const TextVariant& S1, const TextVariant& S2,
                                           const TextVariant& S3, const TextVariant& S4) const {
    return Format(sDescriptionEx, S1, S2, S3, S4);
}

} // namespace karusello
