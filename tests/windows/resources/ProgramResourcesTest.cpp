// The version resource and the manifest of karusello.exe, as Windows reads them from the file.
#include "windows/system/Utf16.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace karusello {
namespace {

// The built program's Linux path as Windows sees it under Wine: on drive Z:, the Linux root.
std::wstring ProgramPath() {
    std::string path = std::string("Z:") + KARUSELLO_EXE;
    std::replace(path.begin(), path.end(), '/', '\\');
    return win32::WideFromUtf8(path);
}

std::vector<char> VersionInfo() {
    const std::wstring path = ProgramPath();
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
    std::vector<char> info(size);
    if (size == 0 || ::GetFileVersionInfoW(path.c_str(), 0, size, info.data()) == FALSE) {
        info.clear();
    }
    return info;
}

std::string StringValue(std::vector<char>& info, const std::wstring& name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring key = L"\\StringFileInfo\\040904B0\\" + name;
    if (::VerQueryValueW(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) ==
            FALSE ||
        value == nullptr) {
        return "(none)";
    }
    return win32::Utf8FromWide(std::wstring(value, length > 0 ? length - 1 : 0));
}

// The project's version in the four numbers of a file version: "0.1" is 0.1.0.0.
std::vector<unsigned> VersionNumbers(const std::string& version) {
    std::vector<unsigned> numbers;
    std::istringstream parts(version);
    for (std::string part; std::getline(parts, part, '.');) {
        numbers.push_back(static_cast<unsigned>(std::stoul(part)));
    }
    numbers.resize(4, 0);
    return numbers;
}

std::string Manifest() {
    const HMODULE program = ::LoadLibraryExW(
        ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (program == nullptr) {
        return {};
    }
    std::string text;
    // The manifest that the system applies when it starts the program: resource 1 of type 24
    // (RT_MANIFEST).
    if (const HRSRC found = ::FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
        const HGLOBAL loaded = ::LoadResource(program, found);
        const auto* bytes = static_cast<const char*>(::LockResource(loaded));
        if (bytes != nullptr) {
            text.assign(bytes, ::SizeofResource(program, found));
        }
    }
    ::FreeLibrary(program);
    return text;
}

// Blanks and line breaks out, so that attributes compare whatever the layout.
std::string Squeezed(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    std::string squeezed;
    for (const char c : text) {
        if (c != ' ' || (!squeezed.empty() && squeezed.back() != ' ')) {
            squeezed += c;
        }
    }
    return squeezed;
}

TEST(ProgramResources, TheVersionResourceCarriesTheProjectsVersionAndNames) {
    std::vector<char> info = VersionInfo();
    ASSERT_FALSE(info.empty()) << "no version resource";

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    const std::vector<unsigned> expected = VersionNumbers(KARUSELLO_VERSION);
    const std::vector<unsigned> file = {
        HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
        HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS)};
    const std::vector<unsigned> product = {
        HIWORD(fixed->dwProductVersionMS), LOWORD(fixed->dwProductVersionMS),
        HIWORD(fixed->dwProductVersionLS), LOWORD(fixed->dwProductVersionLS)};
    EXPECT_EQ(file, expected);
    EXPECT_EQ(product, expected);

    EXPECT_EQ(StringValue(info, L"FileVersion"), KARUSELLO_VERSION);
    EXPECT_EQ(StringValue(info, L"ProductVersion"), KARUSELLO_VERSION);
    EXPECT_EQ(StringValue(info, L"ProductName"), "Karusello");
    EXPECT_EQ(StringValue(info, L"FileDescription").rfind("Karusello", 0), 0u);
    EXPECT_EQ(StringValue(info, L"OriginalFilename"), "karusello.exe");
}

TEST(ProgramResources, TheManifestAsksForCommonControls6AndDpiAwarenessAndNoExecutionLevel) {
    const std::string manifest = Squeezed(Manifest());
    ASSERT_FALSE(manifest.empty()) << "no manifest";
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos)
        << manifest;
    EXPECT_NE(manifest.find("publicKeyToken=\"6595b64144ccf1df\""), std::string::npos);
    EXPECT_NE(manifest.find("xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\""),
              std::string::npos);
    EXPECT_NE(manifest.find("<dpiAware>true</dpiAware>"), std::string::npos);
    // With an execution level Windows would stop redirecting the program's writes under Program
    // Files, and the host, which it keeps redirecting, would see other files.
    EXPECT_EQ(manifest.find("requestedExecutionLevel"), std::string::npos);
    EXPECT_EQ(manifest.find("trustInfo"), std::string::npos);
}

} // namespace
} // namespace karusello
