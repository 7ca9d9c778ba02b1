// The window's texts, the information line and its refresh, and the skin redraw.
#include "core/app/frmRandomPL.h"

#include "core/config/ConfigObjects.h"

namespace karusello {

void frmRandomPL::ConfigAdd(const std::string& sName, const std::string& vValue,
                            const std::string& sDesc, const std::string& sDescEx) {
    Texts().NewItem(sName, vValue, sDesc, sDescEx);
}

// The texts are fixed in the program; the window never loads them from or saves them to a file.
void frmRandomPL::RegisterTexts() {
    ConfigAdd("shInfo", "", "Mit Karusello kann die jeweils angezeigte Playliste neu sortieren.",
              "Zur Zeit ist dies die Playliste [ $1 ] ");
    ConfigAdd("shShuffle", "", "Shuffle", "");
    ConfigAdd("Abbruch", "Null", "Abbrechen", "");
    ConfigAdd("Wiederherstellen", "Null", "Wiederherstellen", "");
    ConfigAdd("shGesperrt", "", "",
              "Die Playliste [ $1 ] ist gelöscht oder eine Grid-Playliste und wird nicht "
              "sortiert.");
}

void frmRandomPL::SetButtonCaptions() {
    s_.view.SetButtonCaption(Button::Abbruch, Texts().FindObject("Abbruch")->sDescription);
    s_.view.SetButtonCaption(Button::Shuffel, Texts().FindObject("shShuffle")->sDescription);
    s_.view.SetButtonCaption(Button::Weiderherstellen,
                             Texts().FindObject("Wiederherstellen")->sDescription);
}

// The second line names the playlist, or says that it is left alone.
std::string frmRandomPL::InformationLine() {
    const std::string first = Texts().FindObject("shinfo")->sDescription;
    const char* const state = PlaylistId == -1 ? "shGesperrt" : "shinfo";
    const std::string second = Texts().FindObject(state)->GetDescriptionEx(PlaylistName);
    return first + "\n" + second;
}

void frmRandomPL::SetInformationLine() {
    s_.view.SetLabelText(InformationLine());
}

// Every step that fails is skipped. A database that gives no answer changes nothing; a
// playlist found deleted or a grid playlist is left alone from then on.
void frmRandomPL::Timer2_Timer() {
    const bool touchable = PlaylistId != -1;
    try {
        ReadPlaylistInfo();
    } catch (...) {
    }
    if (touchable && PlaylistId == -1) {
        LeavePlaylistAlone();
        return;
    }
    if (PlaylistName == ShownPlaylistName) {
        return;
    }
    RedrawInformationLine();
}

void frmRandomPL::RedrawInformationLine() {
    try {
        s_.view.SetRedraw(s_.view.LabelHandle(), false);
    } catch (...) {
    }
    try {
        SetInformationLine();
    } catch (...) {
    }
    try {
        s_.view.SetRedraw(s_.view.LabelHandle(), true);
    } catch (...) {
    }
    RefreshSkin();
    ShownPlaylistName = PlaylistName;
}

void frmRandomPL::RefreshSkin() {
    try {
        s_.skin.RedrawSkinned(s_.view.LabelHandle());
    } catch (...) {
    }
}

} // namespace karusello
