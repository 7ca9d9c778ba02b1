#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace karusello {

// The program's one access path to INI files. Keeps no copy of the file: every read and every
// write goes to the file itself, so what the host writes meanwhile is seen by the next read.
class ToolBox {
public:
    // A language text from section SubSelection + "Lang"; falls back to Default, and without a
    // default to the key name, which is then also stored in Default.
    std::string GetLang(const std::string& KeyName, std::string& Default);
    std::string GetLang(const std::string& KeyName);

    void SubSelection(const std::string& New_SubSelection);
    const std::string& SubSelection() const;

    // Every line of the section as stored (key=value); a missing or empty section gives {" "}.
    std::vector<std::string> INI_GetSection(const std::string& Section);

    void INI_SetFilename(const std::string& Filename, bool Lokal = true);

    std::string INI_GetKeyValue(const std::string& IniSection, const std::string& IniKey,
                                const std::string& sDefault = "");
    double INI_GetKeyValueLong(const std::string& IniSection, const std::string& IniKey,
                               std::int32_t iniDefault = 0);
    // std::nullopt removes the key; "" writes "key=".
    void INI_WriteKeyValue(const std::string& IniSection, const std::string& IniKey,
                           const std::optional<std::string>& IniValue);

    // Several keys of the form {section, key, value} written in order as one replacement of the
    // file, so that a crash leaves either none or all of them. Not reported when it fails.
    struct KeyWrite {
        std::string IniSection;
        std::string IniKey;
        std::optional<std::string> IniValue;
    };
    void INI_WriteKeyValues(const std::vector<KeyWrite>& writes);

    // The path every operation works on, derived afresh from Filename and Lokal.
    std::string FilePath() const;

private:
    std::string EffectiveSection(const std::string& section) const;

    std::string filename_;
    bool lokal_ = false;
    std::string subSelection_;
};

} // namespace karusello
