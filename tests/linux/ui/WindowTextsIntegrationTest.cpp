// The workflow frmRandomPL on the real Qt window: captions, information line and its refresh
// as the widgets show them, with a host folder of INI file, skin and SQLite database.
#include "QtTestSupport.h"
#include "core/app/frmRandomPL.h"
#include "core/config/ProgramLocation.h"
#include "core/playlistdb/DBEngine.h"
#include "linux/sqlite/SqliteDriver.h"
#include "linux/ui/QtEventPump.h"
#include "linux/ui/QtFormView.h"
#include "linux/ui/QtSkinControl.h"
#include "linux/ui/RandomPLWindow.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

namespace karusello {
namespace {

constexpr WindowHandle HostWindow = 4711;
constexpr std::int32_t PlaylistNid = 17;

// Host texts for the window's item names in every section a text collection could use. The
// window must show none of them.
const char* const HostIni = "[PLUGIN]\r\nkarusello=karusello\r\n"
                            "[Message]\r\nHandle.DB=4711\r\nHandle.DJ=0\r\n"
                            "[Value]\r\nAbbruch=Weg\r\nshShuffle=Mischen\r\nshInfo=Info\r\n"
                            "[Description]\r\nAbbruch=Cancel\r\nshShuffle=Mix\r\n"
                            "Wiederherstellen=Undo\r\nshInfo=Anderer Text\r\n"
                            "[DescriptionEx]\r\nshInfo=Liste $1\r\n"
                            "[Lang]\r\nAbbruch=Annuler\r\nshShuffle=Melanger\r\n"
                            "Wiederherstellen=Restaurer\r\n";

class OneHostWindow : public WindowSystem {
public:
    bool IsWindow(WindowHandle handle) override { return handle == HostWindow; }
    void AppActivate(const std::string&) override {}
    std::optional<std::string> WindowTitle(WindowHandle) override { return std::nullopt; }
};

class PlaylistOnCommandLine : public ProcessInfo {
public:
    std::string ExeName() override { return "karusello"; }
    std::string CommandLine() override { return std::to_string(PlaylistNid); }
    bool PrevInstance() override { return false; }
};

class SilentMessageControl : public MessageControl {
public:
    void SetTarget(std::int32_t) override {}
    void SendToTarget(std::int32_t, std::int32_t, std::int32_t) override {}
};

// Records instead of ending the process, so that a test sees that nothing ended it.
class RecordingLifetime : public ProgramLifetime {
public:
    void ReportError(const RuntimeError& error) override { errors.push_back(error.Number()); }
    void EndProgram(ExitCode code) override { ended = code; }
    std::vector<int> errors;
    std::optional<ExitCode> ended;
};

// The host folder: brisolan.ini, the playlist database and, if wanted, the shipped skin; the
// program's folder points at it while it lives.
class HostFolder {
public:
    explicit HostFolder(bool withSkin) : location_(folder_.Path().string(), "karusello") {
        dao::SharedDBEngine().SetDriver(std::make_shared<dao::SqliteDriver>());
        folder_.Write("brisolan.ini", HostIni);
        if (withSkin) {
            std::filesystem::create_directory(folder_.Path() / "skin");
            std::filesystem::copy_file(std::string(KARUSELLO_SKINS_DIR) + "/brisolan.skn",
                                       folder_.Path() / "skin" / "brisolan.skn");
        }
        SQLite::Database db(DbPath().string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec("create table pl_name (nid integer primary key, Name text, grid integer)");
        db.exec("create table pl_all (plid integer primary key, pnid integer, sid integer)");
        db.exec("insert into pl_name values (17, 'Morgenshow', 0)");
    }

    std::filesystem::path DbPath() const { return folder_.Path() / "brisolan.mdb"; }

    void Rename(const std::string& name) const {
        SQLite::Database db(DbPath().string(), SQLite::OPEN_READWRITE);
        SQLite::Statement update(db, "update pl_name set Name = ? where nid = 17");
        update.bind(1, name);
        update.exec();
    }

    std::string IniText() const {
        std::ifstream in(folder_.Path() / "brisolan.ini", std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    void MoveDatabaseAway() const { std::filesystem::rename(DbPath(), folder_.Path() / "weg.mdb"); }

private:
    test::TempFolder folder_;
    ScopedProgramLocation location_;
};

// The window as the program composes it, with the outside world faked.
struct RunningWindow {
    explicit RunningWindow(bool withSkin) : host(withSkin) {
        window.SetEventHandler([this](FormEvent event) { form.Fire(event); });
        form.Fire(FormEvent::Load);
    }

    // A tick of the window's own Timer2, as the event loop delivers it.
    void Tick() { QMetaObject::invokeMethod(&window.Timer2(), "timeout"); }

    std::string Label() { return window.SkinLabel1().text().toStdString(); }

    HostFolder host;
    RandomPLWindow window;
    QtFormView view{window};
    QtSkinControl skin;
    QtEventPump events;
    OneHostWindow windows;
    PlaylistOnCommandLine process;
    SilentMessageControl message;
    RecordingLifetime lifetime;
    frmRandomPL form{FormServices{view, skin, windows, process, events, message, lifetime}};
};

std::string Line(const std::string& name) {
    return "Mit Karusello kann die jeweils angezeigte Playliste neu sortieren.\n"
           "Zur Zeit ist dies die Playliste [ " +
           name + " ] ";
}

class WindowTexts : public testing::TestWithParam<bool> {};

TEST_P(WindowTexts, CaptionsAndLineAreTheProgramsOwnWhateverTheHostIniHolds) {
    RunningWindow ui(GetParam());
    const std::string iniBefore = ui.host.IniText();
    ASSERT_FALSE(ui.lifetime.ended.has_value());
    EXPECT_EQ(ui.skin.Settings().recognised, GetParam()) << "the host's skin, when it has one";
    EXPECT_EQ(ui.window.windowTitle().toStdString(), "Brisolan Karusello");
    EXPECT_EQ(ui.window.cmdAbbruch().text().toStdString(), "Abbrechen");
    EXPECT_EQ(ui.window.cmdShuffel().text().toStdString(), "Shuffle");
    EXPECT_EQ(ui.window.cmdWeiderherstellen().text().toStdString(), "Wiederherstellen");
    EXPECT_FALSE(ui.window.cmdWeiderherstellen().isEnabled());
    const auto* label = ui.window.findChild<QLabel*>(QStringLiteral("SkinLabel1"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text().toStdString(), Line("Morgenshow"));
    ui.Tick();
    EXPECT_EQ(ui.host.IniText(), iniBefore) << "the window saves no texts";
    EXPECT_TRUE(ui.lifetime.errors.empty());
}

TEST_P(WindowTexts, TheLineFollowsRenamesAsTyped) {
    RunningWindow ui(GetParam());
    ui.host.Rename("Abendshow");
    ui.Tick();
    EXPECT_EQ(ui.Label(), Line("Abendshow"));

    ui.host.Rename("ABENDSHOW");
    ui.Tick();
    EXPECT_EQ(ui.Label(), Line("ABENDSHOW")) << "a change of case is a change";

    ui.host.Rename("Hits $2 und $4");
    ui.Tick();
    EXPECT_EQ(ui.Label(), Line("Hits  und "));

    ui.host.Rename("Zeile\\nZwei");
    ui.Tick();
    const std::string typed = ui.Label();
    EXPECT_EQ(typed, Line("Zeile\\nZwei"));
    EXPECT_EQ(std::count(typed.begin(), typed.end(), '\n'), 1) << "no line break from the name";

    ui.host.Rename("Größte Hits");
    ui.Tick();
    EXPECT_EQ(ui.Label(), Line("Größte Hits"));
    EXPECT_EQ(ui.form.ShownPlaylistName, "Größte Hits");
    EXPECT_FALSE(ui.lifetime.ended.has_value());
}

TEST_P(WindowTexts, AFailedDatabaseReadKeepsTheLine) {
    RunningWindow ui(GetParam());
    test::ShowAndExpose(ui.window);
    test::PaintCounter counter(ui.window.SkinLabel1());
    ui.host.MoveDatabaseAway();
    ui.Tick();
    QCoreApplication::processEvents();
    EXPECT_EQ(ui.Label(), Line("Morgenshow"));
    EXPECT_EQ(counter.paints, 0);
    EXPECT_TRUE(ui.lifetime.errors.empty());
    EXPECT_FALSE(ui.lifetime.ended.has_value());
}

TEST_P(WindowTexts, TheLabelPaintsOnceForANewNameAndNotForTheSameName) {
    RunningWindow ui(GetParam());
    test::ShowAndExpose(ui.window);
    test::PaintCounter counter(ui.window.SkinLabel1());

    ui.Tick();
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0) << "unchanged name";

    ui.host.Rename("Abendshow");
    ui.Tick();
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1) << "changed name";
    EXPECT_EQ(ui.Label(), Line("Abendshow"));
}

INSTANTIATE_TEST_SUITE_P(SkinnedAndPlain, WindowTexts, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& param) {
                             return param.param ? "Skinned" : "Plain";
                         });

} // namespace
} // namespace karusello
