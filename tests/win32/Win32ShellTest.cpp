#include "common/ApplicationIdentity.h"
#include "common/WideText.h"
#include "win32/KestrelConversionWindow.h"
#include "win32/RegistrySettingsStore.h"
#include "win32/Resource.h"
#include "win32/Win32FileSelector.h"
#include "win32/Win32MessageBoxes.h"
#include "window/WindowLayout.h"

#include <commctrl.h>
#include <cstring>
#include <dlgs.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <optional>
#include <shlobj.h>
#include <string>
#include <vector>
#include <windows.h>

namespace {

using namespace std::string_literals;
using Conversion::Answer;
using Conversion::MessageKind;
using Win32::KestrelConversion;
namespace fs = std::filesystem;
namespace Layout = Conversion::WindowLayout;

std::wstring W(std::string_view text)
{
    return Common::WideFromUtf8(text);
}

std::string U(const fs::path& path)
{
    return Common::Utf8FromWide(path.wstring());
}

std::wstring TextOf(HWND window)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// A fresh folder under %TEMP%, removed with everything in it.
struct TempFolder
{
    TempFolder() { fs::create_directories(path); }
    ~TempFolder() { fs::remove_all(path); }
    fs::path File(const std::wstring& name) const
    {
        std::ofstream(path / name).close();
        return path / name;
    }
    const fs::path path =
        fs::temp_directory_path() / fs::path("kestrel-" + std::to_string(GetCurrentProcessId()) +
                                             "-" + std::to_string(GetTickCount64()));
};

// Stand-ins for the window's services, recording what the window asked.
struct RecordingServices : Conversion::FileSelector,
                           Conversion::MessageBoxes,
                           Conversion::SettingsStore
{
    std::optional<std::string> ShowOpen(const Conversion::OpenDialogOptions&) override
    {
        if (++opens == 1 && duringOpen)
            duringOpen();
        return choice;
    }
    void ShowMessage(MessageKind kind, const std::string& text) override
    {
        if (kind == MessageKind::Summary)
            summaries.push_back(text);
        if (kind == MessageKind::Refused)
            refusals.push_back(text);
    }
    Answer AskYesNoCancel(const std::string&) override { return Answer::Cancel; }
    std::string GetSetting(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override
    {
        const auto found = settings.find(application + "/" + section + "/" + key);
        return found == settings.end() ? defaultValue : found->second;
    }
    void SaveSetting(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& value) override
    {
        settings[application + "/" + section + "/" + key] = value;
        // The first step of every conversion: remembering the log's folder.
        if (key == "LogDirectory")
            converted.push_back(value);
    }

    int opens = 0;
    std::function<void()> duringOpen;
    std::optional<std::string> choice; // in the Open dialog; nothing is Cancel
    std::vector<std::string> converted;
    std::vector<std::string> summaries;
    std::vector<std::string> refusals;
    std::map<std::string, std::string> settings;
};

const std::string kStandardAdif3Key = "KestrelToADIF/General/StandardAdif3";
constexpr std::string_view kStandardVersion = "<ADIF_VER:5>3.1.7";

// One 64-byte log record of a sound contact, or with `mode` in its place.
std::string Record(std::string_view mode = "SSB")
{
    std::string text = "10/09/03141214 SSBN0CALL    59    57    FN42  ------------  ";
    text.replace(15, 3, mode);
    return text + std::string("\xFF\xFE\0\x01", 4);
}

std::string ReadAll(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// One of the window's own items at the end of its system menu: "Standard
// ADIF 3" next to last, "Station callsign..." last.
struct MenuItem
{
    explicit MenuItem(HWND window, int fromLast = 2)
        : menu(GetSystemMenu(window, FALSE)), position(GetMenuItemCount(menu) - fromLast),
          id(GetMenuItemID(menu, position))
    {
    }
    std::wstring Text() const
    {
        wchar_t text[64] = {};
        GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
        return text;
    }
    bool Checked() const { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0; }

    HMENU menu;
    int position;
    UINT id;
};

class WindowTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
    }
    // Runs what is queued through the window's own message filter.
    void Dispatch(MSG message)
    {
        if (!window.PreTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    void Pump()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            Dispatch(message);
    }
    void Key(UINT message, WPARAM key)
    {
        Dispatch({window.ConvertCmd(), message, key, 1, GetTickCount(), {}});
        Pump();
    }
    // What the shell hands over: a DROPFILES block with the wide paths.
    void Drop(const std::vector<fs::path>& paths)
    {
        std::wstring list;
        for (const fs::path& path : paths)
            list += path.wstring() + L'\0';
        list += L'\0';
        HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
        auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = TRUE;
        std::memcpy(drop + 1, list.data(), list.size() * sizeof(wchar_t));
        GlobalUnlock(memory);
        SendMessageW(window.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    }

    // Converts a log of `bytes` named `name` with `shown`; the ADIF file written.
    std::string Convert(KestrelConversion& shown, const std::wstring& name,
                        const std::string& bytes = Record())
    {
        std::ofstream(folder.path / (name + L".log"), std::ios::binary) << bytes;
        services.choice = U(folder.path / (name + L".log"));
        shown.ConvertCmd_Click();
        return ReadAll(folder.path / (name + L".ADI"));
    }

    RecordingServices services;
    KestrelConversion window{services, services, services};
    TempFolder folder;
};

TEST_F(WindowTest, IsLaidOutAtTheSystemDpiWithItsIcons)
{
    const int dpi = KestrelConversion::SystemDpi();
    RECT client;
    GetClientRect(window.Handle(), &client);
    EXPECT_EQ(client.right, MulDiv(Layout::kClientWidth, dpi, 96));
    EXPECT_EQ(client.bottom, MulDiv(Layout::kClientHeight, dpi, 96));
    RECT button;
    GetWindowRect(window.ConvertCmd(), &button);
    MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&button), 2);
    const Layout::Rectangle expected = Layout::kConvertCmdGeometry;
    EXPECT_EQ(button.left, MulDiv(expected.left, dpi, 96));
    EXPECT_EQ(button.top, MulDiv(expected.top, dpi, 96));
    EXPECT_EQ(button.right - button.left, MulDiv(expected.width, dpi, 96));
    EXPECT_EQ(button.bottom - button.top, MulDiv(expected.height, dpi, 96));

    // A fixed frame that can be minimized only.
    const LONG_PTR style = GetWindowLongPtrW(window.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_EQ(TextOf(window.Handle()), W(Common::Identity().productName));
    for (WPARAM which : {ICON_BIG, ICON_SMALL})
        EXPECT_NE(SendMessageW(window.Handle(), WM_GETICON, which, 0), 0) << which;
}

TEST_F(WindowTest, ButtonIsTheDefaultInTheMessageFontWithItsToolTip)
{
    HWND button = window.ConvertCmd();
    EXPECT_EQ(TextOf(button), W(Layout::kConvertCmdCaption));
    const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
    EXPECT_EQ(style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_TRUE(style & WS_TABSTOP);

    auto* font = reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    EXPECT_NE(font, GetStockObject(SYSTEM_FONT));
    LOGFONTW used{};
    GetObjectW(font, sizeof used, &used);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    EXPECT_STREQ(used.lfFaceName, metrics.lfMessageFont.lfFaceName);

    wchar_t tip[256] = {};
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window.Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    ASSERT_TRUE(
        SendMessageW(window.ToolTip(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_EQ(tool.uFlags & (TTF_IDISHWND | TTF_SUBCLASS), UINT(TTF_IDISHWND | TTF_SUBCLASS));
    tool.lpszText = tip;
    SendMessageW(window.ToolTip(), TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(tip, W(Layout::kConvertCmdToolTip));
}

// The label keeps 2 pixels (at 96 dpi) clear of what a default button draws
// around it, a 1-pixel border and a 2-pixel raised edge, at 8 points or as
// large as that margin allows; at 192 dpi every length doubles.
TEST_F(WindowTest, ButtonLabelFitsInsideItsFrameWithAMargin)
{
    for (const int dpi : {96, 192}) {
        KestrelConversion shown{services, services, services, GetModuleHandleW(nullptr), dpi};
        HWND button = shown.ConvertCmd();
        RECT client;
        GetClientRect(button, &client);
        const int inset = MulDiv(3 + 2, dpi, 96);
        const SIZE room{client.right - 2 * inset, client.bottom - 2 * inset};
        const auto label = [&](HFONT font) {
            HDC dc = GetDC(button);
            const HGDIOBJ previous = SelectObject(dc, font);
            SIZE size{};
            GetTextExtentPoint32W(dc, L"Convert", 7, &size);
            SelectObject(dc, previous);
            ReleaseDC(button, dc);
            return size;
        };
        auto* font = reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        const SIZE size = label(font);
        EXPECT_LE(size.cx, room.cx) << dpi << " dpi";
        EXPECT_LE(size.cy, room.cy) << dpi << " dpi";

        LOGFONTW used{};
        GetObjectW(font, sizeof used, &used);
        const LONG eightPoints = MulDiv(8, dpi, 72);
        EXPECT_GE(used.lfHeight, -eightPoints) << dpi << " dpi";
        if (used.lfHeight > -eightPoints) {
            --used.lfHeight;
            HFONT larger = CreateFontIndirectW(&used);
            const SIZE largerSize = label(larger);
            DeleteObject(larger);
            EXPECT_TRUE(largerSize.cx > room.cx || largerSize.cy > room.cy)
                << dpi << " dpi: a larger label would fit, " << used.lfHeight << " pixels high";
        }
    }
}

TEST_F(WindowTest, ClickEnterAndSpacePressConvertEscapeDoesNothing)
{
    ShowWindow(window.Handle(), SW_SHOW);
    SetForegroundWindow(window.Handle());
    SendMessageW(window.ConvertCmd(), BM_CLICK, 0, 0);
    EXPECT_EQ(services.opens, 1);
    Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(services.opens, 2);
    Key(WM_KEYDOWN, VK_SPACE);
    Key(WM_KEYUP, VK_SPACE);
    EXPECT_EQ(services.opens, 3);
    Key(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(services.opens, 3);
    EXPECT_NE(window.Handle(), nullptr);
}

TEST_F(WindowTest, DropOfOneExistingFileIsConvertedAfterTheDropReturns)
{
    const fs::path log = folder.File(L"caf\u00E9.log");
    Drop({log});
    EXPECT_TRUE(services.converted.empty()) << "converted inside the drop";
    Pump();
    EXPECT_EQ(services.converted, std::vector<std::string>{U(folder.path)});

    services.converted.clear();
    Drop({log, folder.File(L"b.log")});
    Drop({folder.path});
    Drop({folder.path / L"missing.log"});
    Pump();
    EXPECT_TRUE(services.converted.empty());
}

TEST_F(WindowTest, NothingStartsOrClosesUnderARunningConversion)
{
    services.duringOpen = [&] {
        Drop({folder.File(L"a.log")});
        SendMessageW(window.ConvertCmd(), BM_CLICK, 0, 0);
        const MenuItem item(window.Handle());
        SendMessageW(window.Handle(), WM_SYSCOMMAND, item.id, 0);
        EXPECT_FALSE(item.Checked()) << "the form changed under the conversion";
        PostMessageW(window.Handle(), WM_CLOSE, 0, 0);
        Pump();
        EXPECT_NE(window.Handle(), nullptr);
    };
    SendMessageW(window.ConvertCmd(), BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(services.opens, 1);
    EXPECT_TRUE(services.converted.empty());
    EXPECT_TRUE(services.settings.empty());
    EXPECT_EQ(window.Handle(), nullptr) << "the close asked for meanwhile";
}

// The system menu ends with a separator and the item, whose command the
// system can tell from its own; each choice of it switches the form the next
// conversion writes, and is kept.
TEST_F(WindowTest, SystemMenuItemSwitchesTheFormAndKeepsIt)
{
    const MenuItem item(window.Handle());
    EXPECT_EQ(item.Text(), W(Layout::kStandardAdif3Caption));
    EXPECT_NE(GetMenuState(item.menu, item.position - 1, MF_BYPOSITION) & MF_SEPARATOR, 0u);
    EXPECT_LT(item.id, UINT(SC_SIZE));
    EXPECT_EQ(item.id & 0xF, 0u);
    EXPECT_FALSE(item.Checked());

    // With the four low bits the system may set.
    SendMessageW(window.Handle(), WM_SYSCOMMAND, item.id | 0x2, 0);
    EXPECT_TRUE(item.Checked());
    EXPECT_EQ(services.settings[kStandardAdif3Key], "1");
    const std::string standard = Convert(window, L"standard");
    EXPECT_NE(standard.find(kStandardVersion), std::string::npos) << standard;

    SendMessageW(window.Handle(), WM_SYSCOMMAND, item.id, 0);
    EXPECT_FALSE(item.Checked());
    EXPECT_EQ(services.settings[kStandardAdif3Key], "0");
    const std::string classic = Convert(window, L"classic");
    EXPECT_EQ(classic.rfind("ADIF file\r\n", 0), 0u) << classic;
}

// What the station callsign's dialog is to do each time it opens: the text
// to type and OK, or nothing for Cancel; and what it offered.
struct DialogAnswers
{
    std::vector<std::optional<std::wstring>> answers;
    std::vector<std::wstring> offered;
};
DialogAnswers* answering = nullptr;

// Runs in the dialog's own message loop.
void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = FindWindowW(L"#32770", W(Layout::kStationCallsignTitle).c_str());
    if (dialog == nullptr || answering == nullptr || answering->answers.empty() ||
        !IsWindowEnabled(dialog))
        return;
    wchar_t text[64] = {};
    GetDlgItemTextW(dialog, KESTREL_IDC_STATION_CALLSIGN, text, 64);
    answering->offered.emplace_back(text);
    const std::optional<std::wstring> answer = answering->answers.front();
    answering->answers.erase(answering->answers.begin());
    if (answer)
        SetDlgItemTextW(dialog, KESTREL_IDC_STATION_CALLSIGN, answer->c_str());
    PostMessageW(dialog, WM_COMMAND, answer ? IDOK : IDCANCEL, 0);
}

// The last item opens the dialog on the callsign kept; a text that is not a
// callsign is refused in a message and the dialog stays, a callsign is kept
// and written, and Cancel changes nothing.
TEST_F(WindowTest, StationCallsignItemAsksForTheCallsignAndKeepsIt)
{
    const MenuItem item(window.Handle(), 1);
    EXPECT_EQ(item.Text(), W(Layout::kStationCallsignCaption));
    EXPECT_LT(item.id, UINT(SC_SIZE));
    EXPECT_EQ(item.id & 0xF, 0u);
    EXPECT_NE(item.id, MenuItem(window.Handle()).id);

    DialogAnswers dialog{{L"w1@w", L" k1abc "}, {}};
    answering = &dialog;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &AnswerDialog);
    SendMessageW(window.Handle(), WM_SYSCOMMAND, item.id, 0);
    EXPECT_EQ(dialog.offered, (std::vector<std::wstring>{L"", L"w1@w"}));
    EXPECT_EQ(
        services.refusals,
        std::vector<std::string>{"\"w1@w\" is not a callsign; there is still no station callsign"});
    const std::string key = "KestrelToADIF/General/StationCallsign";
    EXPECT_EQ(services.settings[key], "K1ABC");
    SendMessageW(window.Handle(), WM_SYSCOMMAND, MenuItem(window.Handle()).id, 0);
    EXPECT_NE(Convert(window, L"station").find("<STATION_CALLSIGN:5>K1ABC <EOR>"),
              std::string::npos);

    dialog = {{std::nullopt}, {}};
    SendMessageW(window.Handle(), WM_SYSCOMMAND, item.id, 0);
    KillTimer(nullptr, timer);
    answering = nullptr;
    EXPECT_EQ(dialog.offered, std::vector<std::wstring>{L"K1ABC"});
    EXPECT_EQ(services.settings[key], "K1ABC");
}

TEST_F(WindowTest, ANewWindowStartsWithTheStoredChoice)
{
    for (const auto& [stored, standard] : {std::pair{"1", true}, {"0", false}}) {
        SCOPED_TRACE(stored);
        services.settings = {{kStandardAdif3Key, stored}};
        KestrelConversion next(services, services, services);
        EXPECT_EQ(MenuItem(next.Handle()).Checked(), standard);
        const std::wstring name = standard ? L"standard" : L"classic";
        EXPECT_EQ(Convert(next, name).find(kStandardVersion) != std::string::npos, standard);
        fs::remove(folder.path / (name + L".ADI"));
        EXPECT_EQ(services.settings[kStandardAdif3Key], stored);
    }
}

TEST_F(WindowTest, AStandardConversionWithFindingsNamesItsReport)
{
    SendMessageW(window.Handle(), WM_SYSCOMMAND, MenuItem(window.Handle()).id, 0);
    Convert(window, L"digital", Record() + Record("DIG") + Record("CW "));
    const std::string report = U(folder.path / L"digital-findings.txt");
    EXPECT_EQ(services.summaries,
              std::vector<std::string>{"3 QSOs appended to " + U(folder.path / L"digital.ADI") +
                                       "; 1 finding in 1 record, listed in " + report});
    EXPECT_TRUE(fs::is_regular_file(folder.path / L"digital-findings.txt"));
}

// What the program refuses about the name is said in a message box, not
// only written to the error log.
TEST_F(WindowTest, ARefusedAdifFileIsSaid)
{
    fs::create_directory(folder.path / L"folder.ADI");
    Convert(window, L"folder");
    const fs::path readOnly = folder.path / L"readonly.ADI";
    std::ofstream(readOnly, std::ios::binary) << "keep me\r\n";
    ASSERT_NE(SetFileAttributesW(readOnly.wstring().c_str(), FILE_ATTRIBUTE_READONLY), FALSE);
    Convert(window, L"readonly");
    SetFileAttributesW(readOnly.wstring().c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(services.refusals.size(), 2u);
    EXPECT_TRUE(services.refusals[0].starts_with(U(folder.path / L"folder.ADI") + ": "))
        << services.refusals[0];
    EXPECT_TRUE(services.refusals[1].starts_with(U(folder.path / L"readonly.ADI") + ": "))
        << services.refusals[1];
    EXPECT_EQ(ReadAll(folder.path / L"readonly.ADI"), "keep me\r\n");
    EXPECT_TRUE(services.summaries.empty());
}

TEST(Resources, GiveCommonControlsSixDpiAwarenessAndTheVersion)
{
    // The side-by-side assembly rather than the system folder's version 5.
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(GetModuleHandleW(L"comctl32.dll"), path, MAX_PATH);
    std::wstring loaded = path;
    CharLowerW(loaded.data());
    EXPECT_NE(loaded.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6.0."),
              std::wstring::npos)
        << Common::Utf8FromWide(loaded);
    EXPECT_TRUE(IsProcessDPIAware());

    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::vector<char> block(GetFileVersionInfoSizeW(path, nullptr));
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, static_cast<DWORD>(block.size()), block.data()));
    for (const wchar_t* name : {L"ProductName", L"FileDescription", L"ProductVersion"}) {
        void* text = nullptr;
        UINT length = 0;
        const std::wstring query = L"\\StringFileInfo\\040904B0\\"s + name;
        ASSERT_TRUE(VerQueryValueW(block.data(), query.c_str(), &text, &length)) << length;
        EXPECT_EQ(
            static_cast<const wchar_t*>(text),
            W(name == L"ProductVersion"s ? Common::Version() : Common::Identity().productName));
    }
}

// A test-only application under the settings key, removed afterwards.
class RegistryTest : public ::testing::Test
{
protected:
    ~RegistryTest() override { RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str()); }
    std::string Get(const std::string& name = "LogDirectory")
    {
        return Win32::RegistrySettingsStore().GetSetting(app, "General", name, "default");
    }
    // As an earlier installation left it.
    void Put(DWORD type, const void* data, DWORD bytes)
    {
        RegSetKeyValueW(HKEY_CURRENT_USER, (key + L"\\General").c_str(), L"LogDirectory", type,
                        data, bytes);
    }

    const std::string app = "KestrelToADIF test " + std::to_string(GetCurrentProcessId());
    const std::wstring key = L"Software\\VB and VBA Program Settings\\" + W(app);
    Win32::RegistrySettingsStore store;
};

TEST_F(RegistryTest, ValuesComeBackAndMissingOnesGiveTheDefault)
{
    EXPECT_EQ(Get(), "default");
    const std::string longPath = "C:\\" + std::string(300, 'x');
    for (const std::string& value : {"C:\\caf\xC3\xA9"s, longPath, ""s}) {
        store.SaveSetting(app, "General", "LogDirectory", value);
        EXPECT_EQ(Get(), value);
    }
    EXPECT_EQ(Get("Other"), "default");
    // Longer than the 255 characters a key name may have.
    EXPECT_THROW(store.SaveSetting(app, std::string(300, 's'), "LogDirectory", "C:\\"),
                 std::system_error);
}

TEST_F(RegistryTest, SharesTheClassicKeyWithEarlierInstallations)
{
    store.SaveSetting(app, "General", "LogDirectory", "C:\\caf\xC3\xA9");
    wchar_t text[64] = {};
    DWORD type = REG_NONE;
    DWORD bytes = sizeof text;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, (key + L"\\General").c_str(), L"LogDirectory",
                           RRF_RT_ANY, &type, text, &bytes),
              ERROR_SUCCESS);
    EXPECT_EQ(type, DWORD(REG_SZ));
    EXPECT_STREQ(text, L"C:\\caf\u00E9");

    Put(REG_SZ, L"D:\\Radio", 8 * sizeof(wchar_t)); // without the terminating NUL
    EXPECT_EQ(Get(), "D:\\Radio");
    const DWORD number = 7;
    Put(REG_DWORD, &number, sizeof number);
    EXPECT_EQ(Get(), "default");
}

TEST(MessageText, RecordBytesAreWindows1252AndEverythingElseUtf8)
{
    using Win32::Win32MessageBoxes;
    EXPECT_EQ(Win32MessageBoxes::DisplayText(MessageKind::IllegalYear, "Q\x80\xE9\0Z"s),
              L"Q\u20AC\u00E9 Z");
    EXPECT_EQ(Win32MessageBoxes::DisplayText(MessageKind::IllegalYear, "\xC3\xA9"),
              L"\u00C3\u00A9");
    for (MessageKind kind :
         {MessageKind::Summary, MessageKind::Cancelled, MessageKind::Refused, MessageKind::Waiting})
        EXPECT_EQ(Win32MessageBoxes::DisplayText(kind, "C:\\caf\xC3\xA9.ADI"),
                  L"C:\\caf\u00E9.ADI");
}

// Hands the next dialog of this thread to `handle` from inside the modal loop
// that shows it. A dialog still open after the handler is a failure, and is
// closed so that the test cannot hang.
class NextDialog
{
public:
    explicit NextDialog(std::function<void(HWND)> handle)
    {
        handle_ = std::move(handle);
        handled_ = false;
        timer_ = SetTimer(nullptr, 0, 20, &NextDialog::Tick);
    }
    ~NextDialog()
    {
        KillTimer(nullptr, timer_);
        EXPECT_TRUE(handled_) << "no dialog came";
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND dialog = FindWindowW(L"#32770", nullptr);
        if (dialog == nullptr || GetWindowThreadProcessId(dialog, nullptr) != GetCurrentThreadId())
            return;
        if (handled_) {
            ADD_FAILURE() << "dialog left open: " << Common::Utf8FromWide(TextOf(dialog));
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        handled_ = true;
        handle_(dialog);
    }
    static inline std::function<void(HWND)> handle_;
    static inline bool handled_ = false;
    UINT_PTR timer_;
};

void Press(HWND dialog, int id)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

TEST(MessageBoxes, QuestionOffersYesNoCancelAndMapsEachAnswer)
{
    constexpr int kClose = 0;
    constexpr int kEnter = -1;
    for (auto [action, answer] : {std::pair{IDYES, Answer::Yes},
                                  {IDNO, Answer::No},
                                  {IDCANCEL, Answer::Cancel},
                                  {kClose, Answer::Cancel},
                                  {kEnter, Answer::Yes}}) {
        SCOPED_TRACE(action);
        // Copied by name: clang before 16 cannot capture a structured binding.
        NextDialog script([action = action](HWND box) {
            EXPECT_EQ(TextOf(box), W(Common::Identity().productName));
            EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), L"C:\\caf\u00E9.ADI exists");
            for (int id : {IDYES, IDNO, IDCANCEL})
                EXPECT_NE(GetDlgItem(box, id), nullptr) << id;
            EXPECT_EQ(GetDlgItem(box, IDOK), nullptr);
            if (action == kClose)
                PostMessageW(box, WM_CLOSE, 0, 0);
            else if (action == kEnter) // on the default button
                PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
            else
                Press(box, action);
        });
        EXPECT_EQ(Win32::Win32MessageBoxes().AskYesNoCancel("C:\\caf\xC3\xA9.ADI exists"), answer);
    }
}

TEST(MessageBoxes, MessageHasOkOnlyAndNoIcon)
{
    NextDialog script([](HWND box) {
        EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), L"year \u20AC in Q");
        EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
        EXPECT_EQ(GetDlgItem(box, IDYES), nullptr);
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            EXPECT_FALSE(IsWindowVisible(child) && SendMessageW(child, STM_GETICON, 0, 0));
        Press(box, IDOK);
    });
    Win32::Win32MessageBoxes().ShowMessage(MessageKind::IllegalYear, "year \x80 in Q");
}

TEST(FileSelector, OpensInTheFolderWithTheFilterAndThePreviousChoice)
{
    TempFolder folder;
    const fs::path log = folder.File(L"caf\u00E9.log");
    Conversion::OpenDialogOptions options{U(folder.path), ".log", "Log (*.log)", "*.log", ""};
    {
        NextDialog script([](HWND dialog) {
            EXPECT_EQ(TextOf(dialog), L"Open");
            wchar_t filter[64] = {};
            SendDlgItemMessageW(dialog, cmb1, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(filter));
            EXPECT_STREQ(filter, L"Log (*.log)");
            // A bare name, found in the initial folder.
            SendMessageW(dialog, CDM_SETCONTROLTEXT, cmb13,
                         reinterpret_cast<LPARAM>(L"caf\u00E9.log"));
            Press(dialog, IDOK);
        });
        EXPECT_EQ(Win32::Win32FileSelector().ShowOpen(options), U(log));
    }
    options = {"C:\\", ".log", "Log (*.log)", "*.log", U(log)};
    {
        NextDialog script([](HWND dialog) { Press(dialog, IDOK); });
        EXPECT_EQ(Win32::Win32FileSelector().ShowOpen(options), U(log));
    }
    // Cancel is no failure, not even with a remembered name the dialog refuses.
    options.fileName = "C:\\no|such<name";
    NextDialog script([](HWND dialog) { Press(dialog, IDCANCEL); });
    EXPECT_EQ(Win32::Win32FileSelector().ShowOpen(options), std::nullopt);
}

} // namespace
