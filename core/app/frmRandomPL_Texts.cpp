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
}

void frmRandomPL::SetButtonCaptions() {
    s_.view.SetButtonCaption(Button::Abbruch, Texts().FindObject("Abbruch")->sDescription);
    s_.view.SetButtonCaption(Button::Shuffel, Texts().FindObject("shShuffle")->sDescription);
    s_.view.SetButtonCaption(Button::Weiderherstellen,
                             Texts().FindObject("Wiederherstellen")->sDescription);
}

std::string frmRandomPL::InformationLine() {
    const std::string first = Texts().FindObject("shinfo")->sDescription;
    const std::string second = Texts().FindObject("shinfo")->GetDescriptionEx(PlaylistName);
    return first + "\n" + second;
}

void frmRandomPL::SetInformationLine() {
    s_.view.SetLabelText(InformationLine());
}

// Every step that fails is skipped. A changed name is shown with one repaint: the label does
// not redraw while its text changes, and the skin redraws it once afterwards.
void frmRandomPL::Timer2_Timer() {
    try {
        ReadPlaylistInfo();
    } catch (...) {
    }
    if (PlaylistName == ShownPlaylistName) {
        return;
    }
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
