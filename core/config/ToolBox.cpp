#include "core/config/ToolBox.h"

#include "core/config/ProgramLocation.h"
#include "core/os/ProfileFunctions.h"
#include "core/text/NumberRule.h"

#include <string_view>

namespace karusello {
namespace {

// Buffer sizes handed to the INI functions; they decide where long texts are cut.
constexpr std::size_t kValueBufferSize = 260;
constexpr std::size_t kSectionBufferSize = 30000;

// The text without its last character (a whole UTF-8 sequence).
std::string_view WithoutLastCharacter(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && (static_cast<unsigned char>(text[end - 1]) & 0xC0) == 0x80) {
        --end;
    }
    return text.substr(0, end > 0 ? end - 1 : 0);
}

std::vector<std::string> SplitAtNul(std::string_view text) {
    std::vector<std::string> pieces;
    for (;;) {
        const auto nul = text.find('\0');
        pieces.emplace_back(text.substr(0, nul));
        if (nul == std::string_view::npos) {
            return pieces;
        }
        text.remove_prefix(nul + 1);
    }
}

// The key's value, cut where the host's buffer would cut it.
std::string ReadValue(const std::string& section, const std::string& key,
                      std::optional<std::string_view> defaultText, const std::string& path) {
    return profile::GetPrivateProfileString(section, key, defaultText, kValueBufferSize, path);
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
        // The count includes the NUL after the last line, which is dropped; a listing cut
        // short loses the last character of its last line instead, as the host's would.
        const std::string lines =
            profile::GetPrivateProfileSection(Section, kSectionBufferSize, path);
        if (!lines.empty()) {
            result = SplitAtNul(WithoutLastCharacter(lines));
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
        return value;
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
    const std::optional<std::string_view> value =
        IniValue ? std::optional<std::string_view>(*IniValue) : std::nullopt;
    profile::WritePrivateProfileString(EffectiveSection(IniSection), IniKey, value, FilePath());
}

void ToolBox::INI_WriteKeyValues(const std::vector<KeyWrite>& writes) {
    std::vector<profile::ProfileWrite> profileWrites;
    profileWrites.reserve(writes.size());
    for (const KeyWrite& write : writes) {
        profileWrites.push_back({EffectiveSection(write.IniSection), write.IniKey, write.IniValue});
    }
    profile::WritePrivateProfileStrings(profileWrites, FilePath());
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
