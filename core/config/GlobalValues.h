#pragma once

#include "core/config/ToolBox.h"

#include <cstdint>
#include <memory>
#include <string>

namespace karusello {

// The host's skin file of that name: the program's folder, "skin", the name.
std::string SkinFilePath(const std::string& skinFileName);

// The host-wide settings from the host INI file "brisolan.ini" in the program's folder. Creation
// reads them all; Refresh re-reads the window handles and the settings after them.
class GlobalValues {
public:
    GlobalValues();

    std::string SkinFileName;
    std::string DBName;
    std::string LangFile;
    std::int32_t MessageHandleDB = 0;
    std::int32_t MessageHandleDJ = 0;
    std::int32_t MessageHandleImportEdit = 0;
    std::int32_t MessageHandleSam = 0;
    std::int32_t HandleDB = 0;
    std::int32_t HandleDJ = 0;
    std::int32_t HandleSam = 0;
    std::string LastImportDir;
    std::int32_t ID3v2Tags = 0;

    void Refresh();
    std::int32_t GetKeyValueLong(const std::string& sSection, const std::string& sKeyname,
                                 std::int32_t lValue = 0);
    std::string GetKeyValue(const std::string& sSection, const std::string& sKeyname,
                            const std::string& sValue = "");
    void WriteKeyValue(const std::string& sSection, const std::string& sKeyname,
                       const std::string& sValue);

private:
    std::shared_ptr<ToolBox> toolBox_;
};

} // namespace karusello
