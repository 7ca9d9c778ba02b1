#include "core/config/GlobalValues.h"

#include "core/config/FileSystemObject.h"
#include "core/config/HostIni.h"
#include "core/config/ProgramLocation.h"
#include "core/text/NumberRule.h"

namespace karusello {
namespace {
constexpr const char* kDefaultSkinFile = "brisolan.skn";
constexpr const char* kDefaultDatabase = "brisolan.mdb";
constexpr std::int32_t kDefaultId3v2Tags = 2;
} // namespace

std::string SkinFilePath(const std::string& skinFileName) {
    return JoinPath(JoinPath(ProgramLocation::Folder(), "skin"), skinFileName);
}

GlobalValues::GlobalValues() : toolBox_(std::make_shared<ToolBox>()) {
    toolBox_->INI_SetFilename(kHostIniFile, true);

    SkinFileName = toolBox_->INI_GetKeyValue("Global", "SkinFileName");
    if (!SharedFileSystem()->FileExists(SkinFilePath(SkinFileName))) {
        SkinFileName = kDefaultSkinFile;
    }

    DBName = toolBox_->INI_GetKeyValue("Global", "DBName");
    if (!SharedFileSystem()->FileExists(DBName)) {
        DBName = JoinPath(ProgramLocation::Folder(), kDefaultDatabase);
    }

    Refresh();
}

void GlobalValues::Refresh() {
    HandleDB = GetKeyValueLong("Global", "HandleDB");
    HandleDJ = GetKeyValueLong("Global", "HandleDJ");
    HandleSam = GetKeyValueLong("Global", "BrisolanSam");
    MessageHandleSam = GetKeyValueLong("Message", "Handle.Sam");
    MessageHandleDB = GetKeyValueLong("Message", "Handle.DB");
    MessageHandleDJ = GetKeyValueLong("Message", "Handle.DJ");
    MessageHandleImportEdit = GetKeyValueLong("Message", "Handle.Import.Edit");

    LastImportDir = toolBox_->INI_GetKeyValue("Global", "LastImportDir");
    if (!SharedFileSystem()->FolderExists(LastImportDir)) {
        LastImportDir.clear();
    }

    ID3v2Tags = GetKeyValueLong("Global", "ID3v2Tags", kDefaultId3v2Tags);
}

std::int32_t GlobalValues::GetKeyValueLong(const std::string& sSection, const std::string& sKeyname,
                                           std::int32_t lValue) {
    return ToInt32(toolBox_->INI_GetKeyValueLong(sSection, sKeyname, lValue));
}

std::string GlobalValues::GetKeyValue(const std::string& sSection, const std::string& sKeyname,
                                      const std::string& sValue) {
    return toolBox_->INI_GetKeyValue(sSection, sKeyname, sValue);
}

void GlobalValues::WriteKeyValue(const std::string& sSection, const std::string& sKeyname,
                                 const std::string& sValue) {
    toolBox_->INI_WriteKeyValue(sSection, sKeyname, sValue);
}

} // namespace karusello
