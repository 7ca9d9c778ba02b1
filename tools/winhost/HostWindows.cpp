#include "tools/winhost/HostWindows.h"

#include "tools/winhost/WindowCapture.h"
#include "tools/winhost/core/WindowMessages.h"
#include "windows/system/Utf16.h"

#include <commctrl.h>

#include <algorithm>
#include <exception>
#include <iostream>
#include <stdexcept>
#include <utility>

namespace karusello::hostsim {
namespace {

constexpr const wchar_t* className = L"KaruselloWinHostWindow";
// Enough lines to follow a session; older ones are dropped.
constexpr LRESULT keptMessages = 200;

enum ControlId : WORD {
    IdChooser = 100,
    IdPluginButton,
    IdEntries,
    IdMenuPlugin = 200,
    IdMenuQuit,
};

std::wstring Wide(const std::string& utf8) {
    return win32::WideFromUtf8(utf8);
}

void RegisterClassOnce(WNDPROC procedure) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hIcon = ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    if (::RegisterClassW(&windowClass) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw std::runtime_error("cannot register the host windows' class");
    }
}

HWND Child(HWND parent, const wchar_t* kind, DWORD style, WORD id, const std::wstring& text = {}) {
    const HWND child = ::CreateWindowExW(
        0, kind, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, parent,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
    if (child == nullptr) {
        throw std::runtime_error("cannot create a control of the host windows");
    }
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                   FALSE);
    return child;
}

HFONT BoldFont() {
    LOGFONTW font{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfWeight = FW_BOLD;
    return ::CreateFontIndirectW(&font);
}

void MoveTo(HWND child, int x, int y, int width, int height) {
    if (child != nullptr) {
        ::MoveWindow(child, x, y, std::max(width, 0), std::max(height, 0), TRUE);
    }
}

} // namespace

struct HostWindows::Controls {
    HFONT bold = BoldFont();
    // Brisolan Datenbank
    HWND chooserLabel = nullptr;
    HWND chooser = nullptr;
    HWND pluginButton = nullptr;
    HWND name = nullptr;
    HWND entries = nullptr;
    HWND status = nullptr;
    // Brisolan DJ
    HWND onAir = nullptr;
    HWND next = nullptr;
    HWND messagesLabel = nullptr;
    HWND messages = nullptr;

    Controls() = default;
    ~Controls() {
        if (bold != nullptr) {
            ::DeleteObject(bold);
        }
    }
    Controls(const Controls&) = delete;
    Controls& operator=(const Controls&) = delete;
};

HostWindows::HostWindows(const std::string& pluginMenuText, std::function<void()> onQuit)
    : menuText_(Wide(pluginMenuText)), onQuit_(std::move(onQuit)),
      controls_(std::make_unique<Controls>()) {
    INITCOMMONCONTROLSEX common{sizeof common, ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&common);
    RegisterClassOnce(&Procedure);
}

HostWindows::~HostWindows() {
    DestroyWindows();
}

void HostWindows::Connect(HostController& controller) {
    controller_ = &controller;
}

void HostWindows::ShowWindows() {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    // Side by side at the top left, where the plug-in's window does not cover them.
    database_ = ::CreateWindowExW(0, className, L"Brisolan Datenbank", WS_OVERLAPPEDWINDOW, 20, 20,
                                  600, 420, nullptr, nullptr, instance, this);
    player_ = ::CreateWindowExW(0, className, L"Brisolan DJ", WS_OVERLAPPEDWINDOW, 640, 20, 460,
                                420, nullptr, nullptr, instance, this);
    if (database_ == nullptr || player_ == nullptr) {
        throw std::runtime_error("cannot create the host windows");
    }
    CreateDatabaseControls();
    CreatePlayerControls();
    for (const HWND window : {database_, player_}) {
        Layout(window);
        ::ShowWindow(window, SW_SHOWNORMAL);
        ::UpdateWindow(window);
    }
}

void HostWindows::CreateDatabaseControls() {
    const HMENU bar = ::CreateMenu();
    const HMENU playlist = ::CreatePopupMenu();
    ::AppendMenuW(playlist, MF_STRING, IdMenuQuit, L"&Beenden");
    ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(playlist), L"&Playliste");
    const HMENU plugins = ::CreatePopupMenu();
    ::AppendMenuW(plugins, MF_STRING, IdMenuPlugin, menuText_.c_str());
    ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(plugins), L"Plug-&ins");
    ::SetMenu(database_, bar);

    Controls& c = *controls_;
    c.chooserLabel = Child(database_, L"STATIC", SS_LEFT, 0, L"Playliste:");
    c.chooser =
        Child(database_, L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, IdChooser);
    c.pluginButton =
        Child(database_, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, IdPluginButton, menuText_);
    c.name = Child(database_, L"STATIC", SS_LEFT | SS_NOPREFIX, 0);
    ::SendMessageW(c.name, WM_SETFONT, reinterpret_cast<WPARAM>(c.bold), FALSE);
    c.entries = Child(database_, WC_LISTVIEWW,
                      LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER | LVS_SHOWSELALWAYS |
                          WS_BORDER | WS_TABSTOP,
                      IdEntries);
    ::SendMessageW(c.entries, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                   LVS_EX_FULLROWSELECT);
    const std::pair<const wchar_t*, int> columns[] = {
        {L"sid", 60}, {L"Interpret", 150}, {L"Titel", 190}, {L"Dauer", 55}, {L"plid", 60}};
    int index = 0;
    for (const auto& [header, width] : columns) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.fmt = (index == 1 || index == 2) ? LVCFMT_LEFT : LVCFMT_RIGHT;
        column.cx = width;
        column.pszText = const_cast<wchar_t*>(header);
        ::SendMessageW(c.entries, LVM_INSERTCOLUMNW, index++, reinterpret_cast<LPARAM>(&column));
    }
    c.status = Child(database_, L"STATIC", SS_LEFT | SS_NOPREFIX | SS_SUNKEN, 0);
}

void HostWindows::CreatePlayerControls() {
    Controls& c = *controls_;
    c.onAir = Child(player_, L"STATIC", SS_LEFT | SS_NOPREFIX, 0);
    ::SendMessageW(c.onAir, WM_SETFONT, reinterpret_cast<WPARAM>(c.bold), FALSE);
    c.next = Child(player_, L"STATIC", SS_LEFT | SS_NOPREFIX, 0);
    c.messagesLabel = Child(player_, L"STATIC", SS_LEFT, 0, L"Empfangene Nachrichten:");
    c.messages =
        Child(player_, L"LISTBOX", LBS_NOINTEGRALHEIGHT | LBS_NOSEL | WS_VSCROLL | WS_BORDER, 0);
}

void HostWindows::Layout(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    const int w = client.right;
    const int h = client.bottom;
    const Controls& c = *controls_;
    if (window == database_) {
        MoveTo(c.chooserLabel, 8, 12, 60, 18);
        MoveTo(c.chooser, 70, 8, w - 70 - 8 - 170 - 8, 300);
        MoveTo(c.pluginButton, w - 8 - 170, 7, 170, 26);
        MoveTo(c.name, 8, 42, w - 16, 20);
        MoveTo(c.entries, 8, 66, w - 16, h - 66 - 8 - 22);
        MoveTo(c.status, 8, h - 26, w - 16, 20);
    } else if (window == player_) {
        MoveTo(c.onAir, 8, 8, w - 16, 20);
        MoveTo(c.next, 8, 30, w - 16, 20);
        MoveTo(c.messagesLabel, 8, 58, w - 16, 18);
        MoveTo(c.messages, 8, 78, w - 16, h - 78 - 8);
    }
}

void HostWindows::DestroyWindows() {
    for (HWND* window : {&database_, &player_}) {
        if (*window != nullptr) {
            ::DestroyWindow(*window);
        }
    }
}

LRESULT CALLBACK HostWindows::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<HostWindows*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    return self->Handle(window, message, wParam, lParam);
}

LRESULT HostWindows::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto received = HostMessageOf(window, message, wParam, lParam)) {
        // Answered at once: the sender waits for this.
        Guarded([&] {
            if (controller_ != nullptr) {
                controller_->Receive(*received);
            }
        });
        return 0;
    }
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_SIZE:
        Layout(window);
        return 0;
    case WM_CLOSE:
        // By hand: the host ends, as hostsim does.
        Quit();
        return 0;
    case WM_NCDESTROY: {
        Controls& c = *controls_;
        if (window == database_) {
            database_ = nullptr;
            c.chooserLabel = c.chooser = c.pluginButton = c.name = c.entries = c.status = nullptr;
        } else if (window == player_) {
            player_ = nullptr;
            c.onAir = c.next = c.messagesLabel = c.messages = nullptr;
        }
        break;
    }
    default:
        break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void HostWindows::OnCommand(WORD id, WORD code) {
    if (controller_ == nullptr) {
        return;
    }
    if (id == IdMenuPlugin || (id == IdPluginButton && code == BN_CLICKED)) {
        Guarded([this] {
            const std::int64_t pid = controller_->StartPlugin();
            ShowStatus("Plug-in gestartet (Prozess " + std::to_string(pid) + ")");
        });
    } else if (id == IdMenuQuit) {
        Quit();
    } else if (id == IdChooser && code == CBN_SELCHANGE) {
        const LRESULT chosen = ::SendMessageW(controls_->chooser, CB_GETCURSEL, 0, 0);
        if (chosen >= 0 && static_cast<std::size_t>(chosen) < chooserNids_.size()) {
            const std::int32_t nid = chooserNids_[static_cast<std::size_t>(chosen)];
            Guarded([this, nid] { controller_->Show(nid); });
        }
    }
}

void HostWindows::Guarded(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& error) {
        std::cerr << "winhost: " << error.what() << std::endl;
        ShowStatus(error.what());
    }
}

void HostWindows::ShowStatus(const std::string& text) {
    if (controls_->status != nullptr) {
        ::SetWindowTextW(controls_->status, Wide(text).c_str());
    }
}

void HostWindows::ShowPlaylists(const std::vector<PlaylistInfo>& playlists, std::int32_t shownNid) {
    const HWND chooser = controls_->chooser;
    chooserNids_.clear();
    if (chooser == nullptr) {
        return;
    }
    ::SendMessageW(chooser, CB_RESETCONTENT, 0, 0);
    for (const PlaylistInfo& info : playlists) {
        const std::wstring text = Wide(ChooserText(info));
        ::SendMessageW(chooser, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (info.nid == shownNid) {
            ::SendMessageW(chooser, CB_SETCURSEL, chooserNids_.size(), 0);
        }
        chooserNids_.push_back(info.nid);
    }
}

void HostWindows::ShowPlaylist(std::int32_t nid, const std::optional<Playlist>& playlist) {
    const Controls& c = *controls_;
    const ShownPlaylistTexts texts = TextsOfShownPlaylist(nid, playlist);
    if (c.name != nullptr) {
        ::SetWindowTextW(c.name, Wide(texts.headline).c_str());
    }
    if (c.onAir != nullptr) {
        ::SetWindowTextW(c.onAir, Wide(texts.onAir).c_str());
        ::SetWindowTextW(c.next, Wide(texts.next).c_str());
    }
    if (c.entries == nullptr) {
        return;
    }
    ::SendMessageW(c.entries, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(c.entries, LVM_DELETEALLITEMS, 0, 0);
    const std::vector<PlaylistEntry> none;
    const std::vector<PlaylistEntry>& entries = playlist ? playlist->entries : none;
    for (std::size_t row = 0; row < entries.size(); ++row) {
        const PlaylistEntry& entry = entries[row];
        const std::wstring cells[] = {
            entry.sid ? std::to_wstring(*entry.sid) : L"null", Wide(entry.artist),
            Wide(entry.title), Wide(FormatDuration(entry.seconds)), std::to_wstring(entry.plid)};
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(row);
        item.pszText = const_cast<wchar_t*>(cells[0].c_str());
        ::SendMessageW(c.entries, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        for (int column = 1; column < 5; ++column) {
            item.iSubItem = column;
            item.pszText = const_cast<wchar_t*>(cells[column].c_str());
            ::SendMessageW(c.entries, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        }
    }
    ::SendMessageW(c.entries, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(c.entries, nullptr, TRUE);
}

void HostWindows::ShowMessage(const std::string& line) {
    const HWND list = controls_->messages;
    if (list == nullptr) {
        return;
    }
    const std::wstring text = Wide(line);
    ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    while (::SendMessageW(list, LB_GETCOUNT, 0, 0) > keptMessages) {
        ::SendMessageW(list, LB_DELETESTRING, 0, 0);
    }
    ::SendMessageW(list, LB_SETTOPINDEX, ::SendMessageW(list, LB_GETCOUNT, 0, 0) - 1, 0);
}

std::optional<WindowHandles> HostWindows::Handles() const {
    return WindowHandles{HandleValue(database_), HandleValue(player_)};
}

bool HostWindows::CloseWindow(HostWindow window) {
    // Destroyed without WM_CLOSE: closing one window this way does not end the host.
    const HWND target = window == HostWindow::DB ? database_ : player_;
    if (target == nullptr) {
        return false;
    }
    ::DestroyWindow(target);
    return true;
}

void HostWindows::Quit() {
    if (onQuit_) {
        onQuit_();
    }
}

void HostWindows::Screenshot(const std::filesystem::path& file) {
    std::vector<HWND> open;
    for (const HWND window : {database_, player_}) {
        if (window != nullptr) {
            open.push_back(window);
        }
    }
    CaptureWindows(open, file);
}

} // namespace karusello::hostsim
