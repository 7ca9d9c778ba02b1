#pragma once

#include "core/app/SavedOrder.h"
#include "core/app/interfaces/EventPump.h"
#include "core/app/interfaces/FormEvent.h"
#include "core/app/interfaces/FormView.h"
#include "core/app/interfaces/ProcessInfo.h"
#include "core/app/interfaces/ProgramLifetime.h"
#include "core/app/interfaces/SkinControl.h"
#include "core/app/interfaces/WindowSystem.h"
#include "core/hostmsg/MessageControl.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace karusello {

class ToolBox;
class GlobalValues;
class ConfigObjects;
class RandomSource;
namespace dao {
class Database;
class Recordset;
} // namespace dao

// What the window reaches outside itself: its controls, the skin, the window system, the
// process, the event loop, the host message control and the end of the program.
struct FormServices {
    FormView& view;
    SkinControl& skin; // Skin1
    WindowSystem& windows;
    ProcessInfo& process;
    EventPump& events;
    MessageControl& message; // DSMessage1
    ProgramLifetime& lifetime;
};

// The plug-in's one window: start-up and lifetime, texts and skin, shuffle and restore. It
// holds no toolkit types; the adapter forwards the window's events to Fire.
class frmRandomPL {
public:
    explicit frmRandomPL(FormServices services);
    ~frmRandomPL();
    frmRandomPL(const frmRandomPL&) = delete;
    frmRandomPL& operator=(const frmRandomPL&) = delete;

    // Runs one event procedure. An end of the program or an error that reaches it goes to
    // ProgramLifetime; nothing is thrown out of here, so no exception crosses the event loop.
    void Fire(FormEvent event);

    // Event procedures; they throw ProgramEnd or RuntimeError, as Fire expects.
    void Form_Load();
    void cmdShuffel_Click();
    void cmdAbbruch_Click();
    void cmdWeiderherstellen_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    // The close box: ends the program, or, while a shuffle or restore is telling the host,
    // right after it has told both host windows.
    void Form_QueryUnload();

    // Registers a text item in the window's collection.
    void ConfigAdd(const std::string& sName, const std::string& vValue, const std::string& sDesc,
                   const std::string& sDescEx);
    // Has the skin redraw the information line; never fails.
    void RefreshSkin();

    std::int32_t PlaylistId = 0;
    std::string PlaylistName;
    std::string ShownPlaylistName;
    // The sort values from before the first shuffle, by entry; absent until then. A null sort
    // value is kept as null, so that a restore does not put 0 in its place.
    std::optional<karusello::SavedOrder> SavedOrder;
    // The number of entries counted when SavedOrder was started; below 1: nothing kept yet.
    std::int32_t SavedCount = 0;

    // The objects the window owns, created on first use.
    ToolBox& Tools();
    GlobalValues& Globals();
    ConfigObjects& Texts();

private:
    // Ends the program when neither host window exists.
    void EndWithoutHostWindow();
    void RegisterTexts();
    void SetButtonCaptions();
    std::string InformationLine();
    void SetInformationLine();
    // Sets the information line with one repaint: the label does not redraw while its text
    // changes, and the skin redraws it once afterwards.
    void RedrawInformationLine();
    std::unique_ptr<dao::Database> OpenDatabaseQuietly();
    // False when the database gave no answer; PlaylistId and PlaylistName are then unchanged.
    bool ReadPlaylistInfo();
    bool ReadPlaylistInfo(dao::Database* db);
    void LeavePlaylistAlone();
    void ShufflePlaylist(std::unique_ptr<dao::Database> db);
    bool SaveOldOrder(std::int32_t count);
    void KeepOldSortValue(const dao::Recordset& rs);
    void RestorePlaylist();
    // After a shuffle or restore: lets pending events run, re-reads the host's window handles
    // and tells both host windows.
    void NotifyHost(std::int32_t kind);
    // Ends the program now, or after the notification under way.
    void Unload();

    FormServices s_;
    std::shared_ptr<ToolBox> toolBox_;
    std::shared_ptr<GlobalValues> globalValues_;
    std::shared_ptr<ConfigObjects> configObjects_;
    std::unique_ptr<RandomSource> random_;
    // How many shuffles and restores are between their database writes and the end of their
    // notification (a click waiting at one's yield runs another inside it), and whether the
    // user asked to end the program meanwhile. Once that is asked, the window is closing: a
    // shuffle or restore click that was already waiting is ignored, so the program ends right
    // after the host has been told of the work under way.
    int notifying_ = 0;
    bool unloadRequested_ = false;
};

} // namespace karusello
