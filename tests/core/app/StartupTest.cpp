#include "FormFakes.h"
#include "HostFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace karusello::test {
namespace {

constexpr WindowHandle kDB = 0x1200001;
constexpr WindowHandle kDJ = 0x1400001;

class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        host.WriteIni(kDB, kDJ);
        host.AddPlaylist(17, "Morgenshow");
        host.AddPlaylist(2, "Zwei");
        host.AddPlaylist(4, "Vier");
        host.AddPlaylist(12, "Zwölf");
        host.AddPlaylist(30, "Raster", -1);
        host.AddPlaylist(31, "Ohne Namen, Raster unbekannt", std::nullopt);
        ui.windows.live = {kDB, kDJ};
        ui.process.commandLine = "17";
    }

    std::optional<ExitCode> Load() { return ui.Fire(FormEvent::Load); }

    HostFolder host;
    FormUnderTest ui;
};

TEST_F(Startup, FirstRunInstallsThePluginAndEndsWithoutAWindow) {
    std::filesystem::remove(host.IniPath());
    EXPECT_EQ(Load(), ExitCode::Installed);
    EXPECT_EQ(host.ReadIniText(), "[PLUGIN]\r\nkarusello=karusello\r\n"
                                  "[PLUGIN_Menu]\r\nkarusello=Shuffle Playlist\r\n"
                                  "[PLUGIN_Option]\r\nkarusello=PNID\r\n");
    EXPECT_TRUE(ui.view.caption.empty());
    EXPECT_TRUE(ui.windows.asked.empty());
}

TEST_F(Startup, AnEmptyPluginValueOrAnotherExecutableNameCountsAsNotInstalled) {
    host.WriteIniText("[PLUGIN]\r\nkarusello=\r\n");
    EXPECT_EQ(Load(), ExitCode::Installed);
    EXPECT_NE(host.ReadIniText().find("karusello=karusello"), std::string::npos);

    FormUnderTest renamed;
    renamed.process.exeName = "karusello2";
    EXPECT_EQ(renamed.Fire(FormEvent::Load), ExitCode::Installed);
    const std::string ini = host.ReadIniText();
    EXPECT_NE(ini.find("karusello2=karusello2"), std::string::npos);
    EXPECT_NE(ini.find("karusello2=Shuffle Playlist"), std::string::npos);
    EXPECT_NE(ini.find("karusello2=PNID"), std::string::npos);
}

// Without its own path the program cannot find the host's files: it must not take "" for its
// folder and then work on files elsewhere, nor count the start as a first run.
TEST_F(Startup, AnUnreadableProgramPathEndsWithAnErrorAndWritesNothing) {
    const std::string before = host.ReadIniText();
    const ScopedProgramLocation unreadable(std::nullopt);
    EXPECT_EQ(Load(), ExitCode::ErrorReport);
    ASSERT_EQ(ui.lifetime.errors.size(), 1u);
    EXPECT_EQ(ui.lifetime.errors[0].Number(), errnum::PathFileAccess);
    EXPECT_EQ(host.ReadIniText(), before);
    EXPECT_TRUE(ui.view.caption.empty());
}

TEST_F(Startup, ASecondInstanceActivatesTheFirstWindowAndEnds) {
    ui.process.anotherInstance = true;
    EXPECT_EQ(Load(), ExitCode::AnotherInstance);
    EXPECT_EQ(ui.windows.activated, std::vector<std::string>{"Brisolan Karusello"});
    EXPECT_TRUE(ui.view.caption.empty());

    FormUnderTest second;
    second.process.anotherInstance = true;
    second.windows.titleExists = false;
    EXPECT_EQ(second.Fire(FormEvent::Load), ExitCode::ErrorReport);
    ASSERT_EQ(second.lifetime.errors.size(), 1u);
    EXPECT_EQ(second.lifetime.errors[0].Number(), 5);
}

TEST_F(Startup, NeedsAtLeastOneLiveHostWindow) {
    ui.windows.live = {};
    EXPECT_EQ(Load(), ExitCode::NoHostWindow);
    EXPECT_EQ(ui.windows.asked, (std::vector<WindowHandle>{kDB, kDJ}));
    EXPECT_EQ(ui.view.caption, "Brisolan Karusello");

    FormUnderTest onlyDJ;
    EXPECT_EQ(onlyDJ.Load({kDJ}, "17"), std::nullopt);

    host.WriteIniText("[PLUGIN]\r\nkarusello=karusello\r\n");
    FormUnderTest noKeys;
    noKeys.windows.live = {kDB, kDJ};
    EXPECT_EQ(noKeys.Fire(FormEvent::Load), ExitCode::NoHostWindow);
    EXPECT_EQ(noKeys.windows.asked, (std::vector<WindowHandle>{0, 0}));
}

TEST_F(Startup, ReadsThePlaylistIdentifierByTheNumberRule) {
    const std::vector<std::pair<std::string, std::optional<ExitCode>>> cases = {
        {"", ExitCode::NoPlaylistId},
        {"0", ExitCode::NoPlaylistId},
        {"abc", ExitCode::NoPlaylistId},
        {"12abc", std::nullopt},
        {"1 2", std::nullopt},
        {"2.5", std::nullopt},
        {"3.5", std::nullopt},
        {"-1", ExitCode::PlaylistCheck},
        {"99", ExitCode::PlaylistCheck},
        {"9999999999", ExitCode::ErrorReport},
        {"2147483648", ExitCode::ErrorReport}};
    const std::map<std::string, std::int32_t> expectedId = {
        {"12abc", 12}, {"1 2", 12}, {"2.5", 2}, {"3.5", 4}};
    for (const auto& [text, end] : cases) {
        FormUnderTest run;
        EXPECT_EQ(run.Load({kDB}, text), end) << text;
        if (expectedId.count(text)) {
            EXPECT_EQ(run.form.PlaylistId, expectedId.at(text)) << text;
        }
        if (end == ExitCode::ErrorReport) {
            ASSERT_EQ(run.lifetime.errors.size(), 1u) << text;
            EXPECT_EQ(run.lifetime.errors[0].Number(), 6) << text;
        }
    }
}

TEST_F(Startup, RefusesGridPlaylistsMissingRowsAndUnreadableDatabases) {
    ui.process.commandLine = "30";
    EXPECT_EQ(Load(), ExitCode::PlaylistCheck);
    EXPECT_EQ(ui.form.PlaylistId, -1);
    EXPECT_EQ(ui.form.PlaylistName, "Raster");

    FormUnderTest nullGrid;
    EXPECT_EQ(nullGrid.Load({kDB}, "31"), std::nullopt);
    EXPECT_EQ(nullGrid.form.PlaylistId, 31);

    std::filesystem::remove(host.DbPath());
    FormUnderTest missing;
    EXPECT_EQ(missing.Load({kDB}, "17"), ExitCode::PlaylistCheck);
    EXPECT_FALSE(std::filesystem::exists(host.DbPath())) << "a missing database is never created";

    std::ofstream(host.DbPath()) << "Standard Jet DB, or anything that is no SQLite file";
    FormUnderTest garbage;
    EXPECT_EQ(garbage.Load({kDB}, "17"), ExitCode::PlaylistCheck);
}

TEST_F(Startup, ANormalStartSetsUpTheWindow) {
    EXPECT_EQ(Load(), std::nullopt);
    EXPECT_EQ(ui.view.caption, "Brisolan Karusello");
    EXPECT_EQ(ui.form.PlaylistId, 17);
    EXPECT_EQ(ui.form.PlaylistName, "Morgenshow");
    EXPECT_EQ(ui.form.ShownPlaylistName, "Morgenshow");
    EXPECT_EQ(ui.view.captions[Button::Abbruch], "Abbrechen");
    EXPECT_EQ(ui.view.captions[Button::Shuffel], "Shuffle");
    EXPECT_EQ(ui.view.captions[Button::Weiderherstellen], "Wiederherstellen");
    EXPECT_FALSE(ui.view.Enabled(Button::Weiderherstellen));
    EXPECT_EQ(ui.view.label, "Mit Karusello kann die jeweils angezeigte Playliste neu "
                             "sortieren.\nZur Zeit ist dies die Playliste [ Morgenshow ] ");
    EXPECT_TRUE(ui.skin.calls.empty()) << "no skin file in the host folder";
}

TEST_F(Startup, SkinsTheWindowWhenTheSkinFileExists) {
    std::filesystem::create_directory(host.Path() / "skin");
    std::ofstream(host.Path() / "skin" / "brisolan.skn") << "[Colors]\n";
    EXPECT_EQ(Load(), std::nullopt);
    EXPECT_EQ(ui.skin.calls,
              (std::vector<std::string>{"load " + (host.Path() / "skin" / "brisolan.skn").string(),
                                        "apply 100"}));

    FormUnderTest rejected;
    rejected.skin.failLoad = true;
    EXPECT_EQ(rejected.Load({kDB}, "17"), ExitCode::ErrorReport);
    EXPECT_EQ(rejected.lifetime.errors.at(0).Number(), errnum::PathFileAccess);
}

TEST_F(Startup, TheWatchdogEndsTheProgramOnceNeitherHostWindowExists) {
    ASSERT_EQ(Load(), std::nullopt);
    ui.windows.live = {kDJ};
    EXPECT_EQ(ui.Fire(FormEvent::Timer1), std::nullopt);
    // It uses the handles read at start; a new handle in the file does not count until a
    // shuffle or restore re-reads them.
    host.WriteIni(0x1600001, 0x1600002);
    ui.windows.live = {0x1600001};
    EXPECT_EQ(ui.Fire(FormEvent::Timer1), ExitCode::NoHostWindow);
}

TEST_F(Startup, CancelEndsTheProgramNormally) {
    ASSERT_EQ(Load(), std::nullopt);
    EXPECT_EQ(ui.Fire(FormEvent::AbbruchClick), ExitCode::Normal);
    EXPECT_TRUE(ui.lifetime.errors.empty());
}

} // namespace
} // namespace karusello::test
