#include "core/skin/SkinFile.h"

#include "core/errors/RuntimeError.h"
#include "core/os/Utf8Path.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace karusello {
namespace {

// A folder in the platform's own form, for the image paths that a skin names.
#ifdef _WIN32
const std::string SkinsFolder = "C:\\skins";
const std::string ImageInSkinsFolder = "C:\\skins\\wolken.png";
#else
const std::string SkinsFolder = "/skins";
const std::string ImageInSkinsFolder = "/skins/wolken.png";
#endif

// The error's number, and its text in *text; 0 when the file was read.
int ErrorNumberOf(const std::string& path, std::string* text = nullptr) {
    try {
        ReadSkinFile(path);
    } catch (const RuntimeError& error) {
        if (text != nullptr) {
            *text = error.Text();
        }
        return error.Number();
    }
    return 0;
}

TEST(SkinParser, ReadsEverySectionIgnoringCaseBlanksAndComments) {
    const SkinSettings skin =
        ParseSkin("; comment\r\n[SKIN]\r\n  Name = Nachtblau \r\nSkinClientArea=no\r\n"
                  "[Colors]\nClientArea=#102030\nTEXT=#AaBbCc\nPanel=#405060\nPanelText=#ffffff\n"
                  "Frame=#010203\n# comment\n[frame]\nWidth=3\n"
                  "[Buttons]\nStyle=Flat\nBorder=#0a0b0c\nRadius=4\n"
                  "[Background]\nImage=wolken.png\nMode=stretch",
                  SkinsFolder);
    EXPECT_TRUE(skin.recognised);
    EXPECT_EQ(skin.m_bstrName, "Nachtblau");
    EXPECT_FALSE(skin.m_bSkinClientArea);
    EXPECT_EQ(skin.m_BackColor, (SkinColor{0x10, 0x20, 0x30}));
    EXPECT_EQ(skin.m_ForeColor, (SkinColor{0xaa, 0xbb, 0xcc}));
    EXPECT_EQ(skin.m_PanelColor, (SkinColor{0x40, 0x50, 0x60}));
    EXPECT_EQ(skin.m_PanelTextColor, (SkinColor{255, 255, 255}));
    EXPECT_EQ(skin.frameColor, (SkinColor{1, 2, 3}));
    EXPECT_EQ(skin.frameWidth, 3);
    EXPECT_EQ(skin.buttonStyle, ButtonStyle::Flat);
    EXPECT_EQ(skin.buttonBorder, (SkinColor{10, 11, 12}));
    EXPECT_EQ(skin.buttonRadius, 4);
    EXPECT_EQ(skin.backgroundImage, ImageInSkinsFolder);
    EXPECT_EQ(skin.backgroundMode, BackgroundMode::Stretch);
}

TEST(SkinParser, WhatItDoesNotUnderstandIsSkippedAndTheStoredSettingsStay) {
    const SkinSettings skin =
        ParseSkin("[Colors]\nClientArea=#12345\nPanel=#12345g\nText=red\nPanelText=#-12345\n"
                  "Glow=#ffffff\nno equals sign\n[Sounds]\nClientArea=#000000\n[Frame]\nWidth=99\n"
                  "[Buttons]\nStyle=wobbly\nRadius=-1\nBorder=#xyzxyz\n"
                  "[Background]\nImage=../../etc/passwd\n",
                  "/skins");
    EXPECT_TRUE(skin.recognised);
    EXPECT_TRUE(skin.m_bSkinClientArea);
    EXPECT_FALSE(skin.m_bApplyColors);
    EXPECT_EQ(skin.m_nHue, 0);
    EXPECT_EQ(skin.m_BackColor, (SkinColor{255, 255, 255}));
    EXPECT_EQ(skin.m_ForeColor, (SkinColor{0, 0, 0}));
    EXPECT_EQ(skin.m_PanelColor, (SkinColor{200, 208, 212}));
    EXPECT_EQ(skin.m_PanelTextColor, (SkinColor{0, 0, 0}));
    EXPECT_EQ(skin.frameWidth, 0);
    EXPECT_EQ(skin.buttonStyle, ButtonStyle::Raised);
    EXPECT_FALSE(skin.hasButtonBorder);
    EXPECT_EQ(skin.buttonRadius, 0);
    EXPECT_EQ(skin.backgroundImage, "");
}

TEST(SkinParser, GarbageAndForeignSkinFilesAreNoSkin) {
    std::string junk;
    for (int i = 0; i < 4096; ++i) {
        junk.push_back(static_cast<char>((i * 131 + 7) % 256));
    }
    EXPECT_FALSE(ParseSkin(junk, "/skins").recognised);
    EXPECT_FALSE(ParseSkin("", "/skins").recognised);
    const std::string foreign("ASKN\x01\x00\x00\x00\xff\xfe"
                              "BackColor=16777215\nClientArea=#000000\n",
                              48);
    const SkinSettings skin = ParseSkin(foreign, "/skins");
    EXPECT_FALSE(skin.recognised);
    EXPECT_EQ(skin.m_BackColor, (SkinColor{255, 255, 255}));
}

TEST(SkinParser, TextsAreReadAsUtf8OrWindows1252) {
    EXPECT_EQ(ParseSkin("\xEF\xBB\xBF[Skin]\nName=Gr\xC3\xBC"
                        "n\n",
                        "/skins")
                  .m_bstrName,
              "Grün");
    EXPECT_EQ(ParseSkin("[Skin]\nName=Gr\xFCn \x80\n", "/skins").m_bstrName, "Grün €");
}

TEST(SkinFileRead, ReadsAFileUpToItsSizeLimit) {
    test::TempFolder folder;
    EXPECT_EQ(ReadSkinFile(folder.Write("a.skn", "[Skin]\nName=A\n")), "[Skin]\nName=A\n");
    const std::string big(MaxSkinFileSize + 100, 'x');
    EXPECT_EQ(ReadSkinFile(folder.Write("big.skn", big)).size(), MaxSkinFileSize);
}

TEST(SkinFileRead, FilesThatCannotBeReadAreErrorsNamingThePath) {
    test::TempFolder folder;
    std::string text;
    const std::string folderPath = PathUtf8(folder.Path());
    EXPECT_EQ(ErrorNumberOf(folderPath, &text), errnum::PathFileAccess);
    EXPECT_NE(text.find(folderPath + "' ist ein Ordner"), std::string::npos) << text;
    const std::string missing = PathUtf8(folder.Path() / "fehlt.skn");
    EXPECT_EQ(ErrorNumberOf(missing, &text), errnum::FileNotFound);
    EXPECT_NE(text.find(missing), std::string::npos) << text;
    // A folder on the way that does not exist is a missing file too.
    EXPECT_EQ(ErrorNumberOf(PathUtf8(folder.Path() / "fehlt" / "a.skn")), errnum::FileNotFound);
}

#ifdef _WIN32
TEST(SkinFileRead, AFileThatAnotherProgramHoldsShutIsAnAccessError) {
    test::TempFolder folder;
    const std::string path = folder.Write("held.skn", "[Skin]\n");
    // No sharing: while this handle is open, nobody else may open the file.
    const HANDLE held = CreateFileW(Utf8Path(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::string text;
    EXPECT_EQ(ErrorNumberOf(path, &text), errnum::PathFileAccess);
    EXPECT_NE(text.find(path), std::string::npos) << text;
    CloseHandle(held);
}
#else
TEST(SkinFileRead, SpecialAndLockedFilesAreAccessErrors) {
    test::TempFolder folder;
    std::string text;
    // Reading this file fails with an I/O error.
    EXPECT_EQ(ErrorNumberOf("/proc/self/mem", &text), errnum::PathFileAccess);
    EXPECT_NE(text.find("/proc/self/mem"), std::string::npos) << text;
    // A named pipe is refused without waiting for a writer.
    const std::string pipe = (folder.Path() / "pipe.skn").string();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(ErrorNumberOf(pipe), errnum::PathFileAccess);

    if (geteuid() != 0) { // root reads every file
        const std::string locked = folder.Write("locked.skn", "[Skin]\n");
        ASSERT_EQ(chmod(locked.c_str(), 0), 0);
        EXPECT_EQ(ErrorNumberOf(locked, &text), errnum::PathFileAccess);
        EXPECT_NE(text.find("keine Berechtigung"), std::string::npos) << text;
    }
}
#endif

// The host's folder may have any name, also one outside the ANSI code page; the skin and its
// image are found in it all the same.
TEST(SkinFileRead, LoadsASkinFromAFolderWithUmlautsAndFindsItsImageBesideIt) {
    test::TempFolder folder;
    const std::filesystem::path skinFolder = folder.Path() / Utf8Path("Grüße Ωmega");
    std::filesystem::create_directory(skinFolder);
    std::ofstream(skinFolder / "brisolan.skn", std::ios::binary)
        << "[Colors]\nPanel=#457b9d\n[Background]\nImage=kachel.png\n";
    std::ofstream(skinFolder / "kachel.png", std::ios::binary) << "png";

    const SkinSettings skin = LoadSkinFile(PathUtf8(skinFolder / "brisolan.skn"));
    EXPECT_EQ(skin.m_PanelColor, (SkinColor{0x45, 0x7b, 0x9d}));
    EXPECT_EQ(Utf8Path(skin.backgroundImage), skinFolder / "kachel.png");
    EXPECT_TRUE(std::filesystem::exists(Utf8Path(skin.backgroundImage)));
}

} // namespace
} // namespace karusello
