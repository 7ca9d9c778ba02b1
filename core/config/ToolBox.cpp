#include "core/config/ToolBox.h"

#include "core/text/Cp1252.h"
#include "core/text/NumberRule.h"
#include "core/config/ProgramLocation.h"
#include "core/os/ProfileFunctions.h"

#include <span>

namespace karusello {
namespace {

// Buffer sizes handed to the INI functions; they decide where long texts are cut.
constexpr std::size_t kValueBufferSize = 260;
constexpr std::size_t kSectionBufferLength = 32000;
constexpr std::size_t kSectionBufferSize = 30000;

std::vector<std::string> SplitAtNul(std::string_view text) {
    std::vector<std::string> pieces;
    for (;;) {
        const auto nul = text.find('\0');
        pieces.push_back(Cp1252ToUtf8(text.substr(0, nul)));
        if (nul == std::string_view::npos) {
            return pieces;
        }
        text.remove_prefix(nul + 1);
    }
}

// The key's value in Windows-1252 bytes, cut where the host's buffer would cut it.
std::string ReadValue(const std::string& section, const std::string& key,
                      std::optional<std::string_view> defaultText, const std::string& path) {
    std::string buffer(kValueBufferSize, '\0');
    buffer.resize(ini::GetPrivateProfileString(Utf8ToCp1252(section), Utf8ToCp1252(key),
                                               defaultText, buffer, path));
    return buffer;
}

std::optional<std::string> OptionalCp1252(const std::optional<std::string>& text) {
    return text ? std::optional(Utf8ToCp1252(*text)) : std::nullopt;
}

} // namespace

std::string ToolBox::GetLang(const std::string& KeyName, std::string& Default) {
    if (Default.empty()) {
        Default = KeyName;
    }
    return INI_GetKeyValue("Lang", KeyName, Default);
}

std::string ToolBox::GetLang(const std::string& KeyName) {
    std::string defaultText;
    return GetLang(KeyName, defaultText);
}

void ToolBox::SubSelection(const std::string& New_SubSelection) {
    subSelection_ = New_SubSelection;
}

const std::string& ToolBox::SubSelection() const {
    return subSelection_;
}

std::vector<std::string> ToolBox::INI_GetSection(const std::string& Section) {
    const std::string path = FilePath();
    std::vector<std::string> result{" "};
    // From here on a failing step is passed over; what was gathered so far is the result.
    try {
        std::string buffer(kSectionBufferLength, ' ');
        const std::size_t n = ini::GetPrivateProfileSection(
            Utf8ToCp1252(Section), std::span(buffer.data(), kSectionBufferSize), path);
        if (n > 0) {
            result = SplitAtNul(std::string_view(buffer).substr(0, n - 1));
        }
    } catch (const std::exception&) {
    }
    return result;
}

void ToolBox::INI_SetFilename(const std::string& Filename, bool Lokal) {
    filename_ = Filename;
    lokal_ = Lokal;
}

std::string ToolBox::INI_GetKeyValue(const std::string& IniSection, const std::string& IniKey,
                                     const std::string& sDefault) {
    const std::string value =
        ReadValue(EffectiveSection(IniSection), IniKey, std::nullopt, FilePath());
    if (sDefault.empty() || !value.empty()) {
        return Cp1252ToUtf8(value);
    }
    return sDefault;
}

double ToolBox::INI_GetKeyValueLong(const std::string& IniSection, const std::string& IniKey,
                                    std::int32_t iniDefault) {
    return LeadingNumber(
        ReadValue(EffectiveSection(IniSection), IniKey, std::to_string(iniDefault), FilePath()));
}

void ToolBox::INI_WriteKeyValue(const std::string& IniSection, const std::string& IniKey,
                                const std::optional<std::string>& IniValue) {
    // As with the host's own INI functions, a write that cannot be made is not reported.
    ini::WritePrivateProfileString(Utf8ToCp1252(EffectiveSection(IniSection)), Utf8ToCp1252(IniKey),
                                   OptionalCp1252(IniValue), FilePath());
}

void ToolBox::INI_WriteKeyValues(const std::vector<KeyWrite>& writes) {
    std::vector<ini::ProfileWrite> converted;
    converted.reserve(writes.size());
    for (const KeyWrite& write : writes) {
        converted.push_back({Utf8ToCp1252(EffectiveSection(write.IniSection)),
                             Utf8ToCp1252(write.IniKey), OptionalCp1252(write.IniValue)});
    }
    ini::WritePrivateProfileStrings(converted, FilePath());
}

std::string ToolBox::FilePath() const {
    if (lokal_) {
        return JoinPath(ProgramLocation::Folder(), filename_);
    }
    return filename_;
}

std::string ToolBox::EffectiveSection(const std::string& section) const {
    return subSelection_ + section;
}

} // namespace karusello
