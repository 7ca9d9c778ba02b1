// The formatting of text items on any template and arguments: GetDescription and
// GetDescriptionEx never crash, leave the stored fields alone, agree with a plain reference of
// the rule, and leave no placeholder of the template behind when the arguments bring none.
//
// Input: template, S1, S2, S3, S4, separated by 0x1E; 0x1F alone is an argument left out.
#include "FuzzInput.h"
#include "core/config/ConfigObject.h"

#include <array>

namespace {

using karusello::TextVariant;
using karusello::fuzz::Check;

// Every occurrence of what, left to right, not overlapping; inserted text is not scanned again.
std::string ReferenceReplace(const std::string& text, const std::string& what,
                             const std::string& with) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, what.size(), what) == 0) {
            out += with;
            i += what.size();
        } else {
            out += text[i];
            ++i;
        }
    }
    return out;
}

std::string ReferenceFormat(const std::string& stored, const std::array<TextVariant, 4>& args) {
    if (stored.empty() || stored == "Null") {
        return {};
    }
    std::string text = ReferenceReplace(stored, "\\n", "\n");
    for (int k = 0; k < 4; ++k) {
        text = ReferenceReplace(text, "$" + std::to_string(k + 1), args[k].AsText());
    }
    return text;
}

bool HasPlaceholder(const std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '$' && text[i + 1] >= '1' && text[i + 1] <= '4') {
            return true;
        }
    }
    return false;
}

// Arguments that can neither bring a "$" nor complete one that stands before them: no "$" in
// them, none empty (an empty one lets the "$" before it meet the digit after it), none
// beginning with a digit.
bool ArgumentsBringNoPlaceholder(const std::array<TextVariant, 4>& args) {
    for (const TextVariant& arg : args) {
        const std::string text = arg.AsText();
        if (text.empty() || text.find('$') != std::string::npos ||
            (text.front() >= '0' && text.front() <= '9')) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 8192) {
        return 0;
    }
    const auto fields = karusello::fuzz::SplitFields(data, size, 5);
    std::array<TextVariant, 4> args;
    for (int k = 0; k < 4; ++k) {
        if (const auto field = karusello::fuzz::Optional(fields[k + 1])) {
            args[k] = TextVariant(std::string(*field));
        }
    }

    karusello::ConfigObject item;
    item.sDescriptionEx = std::string(fields[0]);
    item.sDescription = std::string(fields[0]) + "$1";
    const karusello::ConfigObject before = item;

    const std::string ex = item.GetDescriptionEx(args[0], args[1], args[2], args[3]);
    const std::string plain = item.GetDescription(args[0], args[1], args[2], args[3]);
    Check(item.sDescriptionEx == before.sDescriptionEx && item.sDescription == before.sDescription,
          "formatting changed the stored text");
    Check(ex == ReferenceFormat(item.sDescriptionEx, args), "GetDescriptionEx differs");
    Check(plain == ReferenceFormat(item.sDescription, args), "GetDescription differs");
    Check(item.GetDescriptionEx() == ReferenceFormat(item.sDescriptionEx, {}),
          "GetDescriptionEx without arguments differs");

    if (ArgumentsBringNoPlaceholder(args)) {
        Check(!HasPlaceholder(ex) && !HasPlaceholder(plain), "a placeholder was left behind");
    }
    return 0;
}
