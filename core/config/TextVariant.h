#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace karusello {

// The value of a text item: nothing, or a text. Nothing compares equal to the empty text and
// reads as the empty text, so callers that only look at the text need not tell the two apart.
class TextVariant {
public:
    TextVariant() = default;
    TextVariant(std::nullopt_t) {}
    TextVariant(std::string text) : text_(std::move(text)) {}
    // A null pointer is taken as nothing rather than read.
    TextVariant(const char* text) {
        if (text != nullptr) {
            text_ = text;
        }
    }

    bool IsEmpty() const { return !text_.has_value(); }
    bool EqualsText(std::string_view text) const { return AsText() == text; }
    std::string AsText() const { return text_.value_or(std::string()); }

    // Holds the same: nothing equals only nothing here; use EqualsText to compare as text.
    friend bool operator==(const TextVariant&, const TextVariant&) = default;

private:
    std::optional<std::string> text_;
};

} // namespace karusello
