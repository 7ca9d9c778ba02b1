// Start-up, plug-in installation and the ends of the program.
#include "core/app/frmRandomPL.h"

#include "core/config/FileSystemObject.h"
#include "core/config/GlobalValues.h"
#include "core/config/HostIni.h"
#include "core/config/ToolBox.h"
#include "core/text/NumberRule.h"

namespace karusello {

namespace {
const char* const kCaption = "Brisolan Karusello";
} // namespace

void frmRandomPL::Form_Load() {
    Tools().INI_SetFilename(kHostIniFile, true);

    // First run: the host does not list the plug-in yet. The three keys go into the file in
    // this order and in one replacement of it: written one by one, an end in between would leave
    // "PLUGIN" without the menu entry, and every later start would count as installed. The
    // write is not checked: a file the host will not let us write leaves the plug-in
    // uninstalled.
    const std::string exe = s_.process.ExeName();
    const std::vector<ToolBox::KeyWrite> entry = PluginEntry(exe);
    if (Tools().INI_GetKeyValue(entry.front().IniSection, exe, "").empty()) {
        Tools().INI_WriteKeyValues(entry);
        throw ProgramEnd{ExitCode::Installed};
    }

    if (s_.process.PrevInstance()) {
        s_.windows.AppActivate(kCaption);
        throw ProgramEnd{ExitCode::AnotherInstance};
    }

    s_.view.SetCaption(kCaption);

    EndWithoutHostWindow();

    const std::string skinPath = SkinFilePath(Globals().SkinFileName);
    if (SharedFileSystem()->FileExists(skinPath)) {
        s_.skin.LoadSkin(skinPath);
        s_.skin.ApplySkin(s_.view.Handle());
    }

    RegisterTexts();

    PlaylistId = ToInt32(LeadingNumber(s_.process.CommandLine()));
    if (PlaylistId == 0) {
        throw ProgramEnd{ExitCode::NoPlaylistId};
    }

    // At start a database that cannot be read ends the program, as a grid playlist does.
    if (!ReadPlaylistInfo() || PlaylistId == -1) {
        throw ProgramEnd{ExitCode::PlaylistCheck};
    }

    ShownPlaylistName = PlaylistName;
    SetButtonCaptions();
    s_.view.SetButtonEnabled(Button::Weiderherstellen, false);
    SetInformationLine();
}

void frmRandomPL::cmdAbbruch_Click() {
    Unload();
}

void frmRandomPL::Form_QueryUnload() {
    Unload();
}

// An end during a shuffle's or restore's yield would come after the database was written but
// before the host was told, and the host would go on showing the old order. The end waits
// until every notification under way has reached both host windows.
void frmRandomPL::Unload() {
    if (notifying_ > 0) {
        unloadRequested_ = true;
        return;
    }
    throw ProgramEnd{ExitCode::Normal};
}

// The host watchdog: the handles are the ones GlobalValues holds now; it does not re-read them.
void frmRandomPL::Timer1_Timer() {
    EndWithoutHostWindow();
}

// Both host windows are asked, always; one live host window is enough.
void frmRandomPL::EndWithoutHostWindow() {
    const bool dbAlive = s_.windows.IsWindow(Globals().MessageHandleDB);
    const bool djAlive = s_.windows.IsWindow(Globals().MessageHandleDJ);
    if (!dbAlive && !djAlive) {
        throw ProgramEnd{ExitCode::NoHostWindow};
    }
}

} // namespace karusello
