#include "win32/KestrelConversionWindow.h"

#include "common/ApplicationIdentity.h"
#include "common/ProgramError.h"
#include "common/WideText.h"
#include "files/Win32Support.h"
#include "win32/Resource.h"
#include "win32/StationCallsignDialog.h"
#include "window/WindowLayout.h"

#include <commctrl.h>
#include <system_error>

namespace Win32 {

namespace {

namespace Layout = Conversion::WindowLayout;

constexpr wchar_t kWindowClass[] = L"KestrelToADIF.KestrelConversion";
constexpr int kConvertCmdId = 100;
// A system menu command: below SC_SIZE (0xF000), where the system's own
// start, and a multiple of 16, as the system uses the four low bits.
constexpr UINT kStandardAdif3Id = 0x0100;
constexpr UINT kStationCallsignId = 0x0110;
static_assert(kStandardAdif3Id < SC_SIZE && (kStandardAdif3Id & 0xF) == 0);
static_assert(kStationCallsignId < SC_SIZE && (kStationCallsignId & 0xF) == 0);
// Posted by a drop: the conversion starts once the drop has returned.
constexpr UINT kConvertDroppedLog = WM_APP + 1;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = 0;

std::wstring Wide(std::string_view text)
{
    return Common::WideFromUtf8(text);
}

[[noreturn]] void ThrowLastError(const char* operation)
{
    // As the C library's number, which the error log tells with its description.
    throw std::system_error(Conversion::Win32::LastError(), operation);
}

HICON LoadApplicationIcon(HINSTANCE instance, int widthMetric, int heightMetric)
{
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(KESTREL_IDI_APPLICATION),
                                         IMAGE_ICON, GetSystemMetrics(widthMetric),
                                         GetSystemMetrics(heightMetric), LR_SHARED));
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadApplicationIcon(instance, SM_CXICON, SM_CYICON);
    windowClass.hIconSm = LoadApplicationIcon(instance, SM_CXSMICON, SM_CYSMICON);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        ThrowLastError("RegisterClassExW");
}

// What a default push button draws around its label: a 1-pixel border and a
// 2-pixel raised edge, at 96 dpi.
constexpr int kButtonFrame = 3;

// The face of the font dialogs and message boxes use, rather than the bold
// System font a bare button gets, at the layout's size in points, one pixel
// smaller at a time while the label comes closer to the frame than the margin.
// DejaVu Sans, which Wine draws when it has no fonts of its own, is wide
// enough to need 7.5 points at 96 dpi.
HFONT CreateLabelFont(HWND button, const std::wstring& label, int dpi)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return nullptr;
    RECT client{};
    GetClientRect(button, &client);
    const int inset = KestrelConversion::Scaled(kButtonFrame + Layout::kConvertCmdLabelMargin, dpi);
    const SIZE room{client.right - 2 * inset, client.bottom - 2 * inset};
    HDC dc = GetDC(button);
    if (dc == nullptr)
        return nullptr;
    LOGFONTW face = metrics.lfMessageFont;
    const int least = MulDiv(Layout::kConvertCmdLeastFontPoints, dpi, 72);
    HFONT font = nullptr;
    for (int height = MulDiv(Layout::kConvertCmdFontPoints, dpi, 72);; --height) {
        face.lfHeight = -height;
        font = CreateFontIndirectW(&face);
        if (font == nullptr)
            break;
        const HGDIOBJ previous = SelectObject(dc, font);
        SIZE size{};
        const bool measured = GetTextExtentPoint32W(dc, label.c_str(),
                                                    static_cast<int>(label.size()), &size) != FALSE;
        SelectObject(dc, previous);
        if (!measured || (size.cx <= room.cx && size.cy <= room.cy) || height <= least)
            break;
        DeleteObject(font);
    }
    ReleaseDC(button, dc);
    return font;
}

} // namespace

int KestrelConversion::SystemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen != nullptr)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int KestrelConversion::Scaled(int length, int dpi)
{
    return MulDiv(length, dpi, USER_DEFAULT_SCREEN_DPI);
}

KestrelConversion::KestrelConversion(Conversion::FileSelector& fileSelector,
                                     Conversion::MessageBoxes& messages,
                                     Conversion::SettingsStore& settings, HINSTANCE instance,
                                     int dpi)
    : actions_(fileSelector, messages, settings,
               [this](bool converting) { OnConverting(converting); })
{
    RegisterWindowClass(instance, &KestrelConversion::WindowProcedure);
    RECT frame{0, 0, Scaled(Layout::kClientWidth, dpi), Scaled(Layout::kClientHeight, dpi)};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    // WM_NCCREATE sets window_.
    if (CreateWindowExW(kExStyle, kWindowClass, Wide(Common::Identity().productName).c_str(),
                        kStyle, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                        frame.bottom - frame.top, nullptr, nullptr, instance, this) == nullptr)
        ThrowLastError("CreateWindowExW");
    try {
        CreateControls(instance, dpi);
        AddMenuItem();
    } catch (...) {
        DestroyWindow(window_);
        if (font_ != nullptr)
            DeleteObject(font_);
        throw;
    }
    SendMessageW(window_, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadApplicationIcon(instance, SM_CXICON, SM_CYICON)));
    SendMessageW(window_, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadApplicationIcon(instance, SM_CXSMICON, SM_CYSMICON)));
    DragAcceptFiles(window_, TRUE);
}

void KestrelConversion::CreateControls(HINSTANCE instance, int dpi)
{
    constexpr Layout::Rectangle button = Layout::kConvertCmdGeometry;
    const std::wstring caption = Wide(Layout::kConvertCmdCaption);
    // The only control, first in the tab order and the default button.
    static_assert(Layout::kConvertCmdTabIndex == 0);
    convertCmd_ = CreateWindowExW(
        0, WC_BUTTONW, caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
        Scaled(button.left, dpi), Scaled(button.top, dpi), Scaled(button.width, dpi),
        Scaled(button.height, dpi), window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kConvertCmdId)), instance, nullptr);
    if (convertCmd_ == nullptr)
        ThrowLastError("CreateWindowExW(ConvertCmd)");
    font_ = CreateLabelFont(convertCmd_, caption, dpi);
    if (font_ != nullptr)
        SendMessageW(convertCmd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);

    // A missing tooltip costs only the hint.
    toolTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_,
                               nullptr, instance, nullptr);
    if (toolTip_ != nullptr) {
        std::wstring text = Wide(Layout::kConvertCmdToolTip);
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(convertCmd_);
        tool.lpszText = text.data();
        SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void KestrelConversion::AddMenuItem()
{
    // In the system menu, so that the window keeps its layout and its one control.
    HMENU menu = GetSystemMenu(window_, FALSE);
    const UINT checked = actions_.StandardAdif3() ? MF_CHECKED : MF_UNCHECKED;
    if (menu == nullptr || AppendMenuW(menu, MF_SEPARATOR, 0, nullptr) == FALSE ||
        AppendMenuW(menu, MF_STRING | checked, kStandardAdif3Id,
                    Wide(Layout::kStandardAdif3Caption).c_str()) == FALSE ||
        AppendMenuW(menu, MF_STRING, kStationCallsignId,
                    Wide(Layout::kStationCallsignCaption).c_str()) == FALSE)
        ThrowLastError("AppendMenuW");
}

KestrelConversion::~KestrelConversion()
{
    if (window_ != nullptr)
        DestroyWindow(window_);
    // After the button that used it.
    if (font_ != nullptr)
        DeleteObject(font_);
}

int KestrelConversion::Run(int showCommand)
{
    running_ = true;
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    MSG message{};
    BOOL got = 0;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        if (!PreTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    running_ = false;
    return got == 0 ? static_cast<int>(message.wParam) : 1;
}

bool KestrelConversion::PreTranslateMessage(MSG& message)
{
    return window_ != nullptr && IsDialogMessageW(window_, &message) != FALSE;
}

std::optional<std::string> KestrelConversion::DroppedLog(HDROP drop)
{
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    // Two or more are refused whatever they are.
    for (UINT i = 0; i < count && i < 2; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
        paths.push_back(Common::Utf8FromWide(path));
    }
    return Conversion::WindowActions::DroppedLog(paths);
}

void KestrelConversion::OnConverting(bool converting)
{
    if (!converting && closeWhenDone_ && window_ != nullptr)
        DestroyWindow(window_);
}

void KestrelConversion::ConvertCmd_Click()
{
    actions_.ConvertCmd_Click();
}

void KestrelConversion::StandardAdif3_Click()
{
    // While a conversion runs the choice stays, and the item shows it still.
    Common::ReportFailures("KestrelConversion.StandardAdif3_Click",
                           [&] { actions_.ChooseStandardAdif3(!actions_.StandardAdif3()); });
    CheckMenuItem(GetSystemMenu(window_, FALSE), kStandardAdif3Id,
                  MF_BYCOMMAND | (actions_.StandardAdif3() ? MF_CHECKED : MF_UNCHECKED));
}

void KestrelConversion::StationCallsign_Click()
{
    if (actions_.Converting())
        return;
    Common::ReportFailures("KestrelConversion.StationCallsign_Click", [&] {
        auto* const instance =
            reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
        AskStationCallsign(
            window_, instance, actions_.StationCallsign(),
            [this](const std::string& entered) { return actions_.ChooseStationCallsign(entered); });
    });
}

void KestrelConversion::OnDropFiles(HDROP drop)
{
    Common::ReportFailures("KestrelConversion.DropFiles", [&] {
        const std::optional<std::string> logPath =
            actions_.Converting() ? std::nullopt : DroppedLog(drop);
        if (!logPath)
            return;
        droppedLogs_.push_back(*logPath);
        // Converted once the drop is over, so that the program the file came
        // from is not held up by the conversion's message boxes.
        if (!PostMessageW(window_, kConvertDroppedLog, 0, 0))
            droppedLogs_.pop_back();
    });
    DragFinish(drop);
}

LRESULT CALLBACK KestrelConversion::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                                    LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<KestrelConversion*>(
            reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<KestrelConversion*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = self->convertCmd_ = self->toolTip_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT KestrelConversion::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kConvertCmdId && HIWORD(wParam) == BN_CLICKED)
            ConvertCmd_Click();
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == kStandardAdif3Id) {
            StandardAdif3_Click();
            return 0;
        }
        if ((wParam & 0xFFF0) == kStationCallsignId) {
            StationCallsign_Click();
            return 0;
        }
        return DefWindowProcW(window_, message, wParam, lParam);
    case DM_GETDEFID: // asked by IsDialogMessageW for Enter
        return MAKELRESULT(kConvertCmdId, DC_HASDEFID);
    case WM_SETFOCUS:
        // Back on the button whenever the window is active again.
        if (convertCmd_ != nullptr)
            SetFocus(convertCmd_);
        return 0;
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case kConvertDroppedLog:
        if (!droppedLogs_.empty()) {
            const std::string logPath = std::move(droppedLogs_.front());
            droppedLogs_.pop_front();
            actions_.ConvertDroppedLog(logPath);
        }
        return 0;
    case WM_CLOSE:
        // Not from under a conversion's message boxes.
        if (actions_.Converting())
            closeWhenDone_ = true;
        else
            DestroyWindow(window_);
        return 0;
    case WM_DESTROY:
        if (running_)
            PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

} // namespace Win32
