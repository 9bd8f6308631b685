// Tests of the real window on Win32, under Wine: the program built through the runtime, driven by messages.
#include "app/project.h"
#include "bad_projects.h"
#include "fake_view.h"
#include "runtime/dispatch.h"
#include "runtime/runtime_error.h"
#include "runtime/start_failure.h"
#include "runtime/win32/win32_dpi.h"
#include "runtime/win32/win32_form.h"
#include "runtime/win32/win32_message_box.h"
#include "runtime/win32/win32_program.h"
#include "runtime/win32/win32_text.h"
#include "ui/form1.h"
#include "window_cases.h"
#include "window_checks.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <oleacc.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace ringcalc::testing {
namespace {

[[nodiscard]] std::string textOf(HWND hwnd) {
    wchar_t text[512] = {};
    const int length = GetWindowTextW(hwnd, text, 512);
    char utf8[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, length, utf8, sizeof utf8 - 1, nullptr, nullptr);
    return utf8;
}

// Handles what is waiting in the thread's queue, as the message loop would.
void pump() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam)); // left for the loop that waits for it
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

class Win32WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_program = std::make_unique<runtime::Program>(m_project, m_box);
        pump();
    }
    void TearDown() override {
        m_program.reset();
        MSG left{};
        while (PeekMessageW(&left, nullptr, 0, 0, PM_REMOVE) != 0) { // a quit left by a test is not the next one's
        }
        EXPECT_EQ(FindWindowW(L"RingcalcForm", nullptr), nullptr) << "a window outlived its test";
    }

    [[nodiscard]] runtime::Form::Native& native() const { return m_program->form().native(); }
    [[nodiscard]] HWND window() const { return native().window(); }
    [[nodiscard]] HWND control(const char* name) const { return native().control(name); }
    [[nodiscard]] std::string caption() const { return textOf(control("Label4")); }
    [[nodiscard]] int scaled(int pixelsAt96) const { return pixelsAt(pixelsAt96, static_cast<int>(native().dpi())); }

    void setText(const char* name, const char* text) {
        m_program->form().setCaption(name, text);
        m_box.shown.clear();
    }

    // A key as the dialog manager of the message loop sees it first.
    void key(HWND target, WPARAM virtualKey) {
        for (const UINT kind : {UINT{WM_KEYDOWN}, UINT{WM_KEYUP}}) {
            // A key's release carries its previous state and transition bits.
            const LPARAM flags = kind == WM_KEYUP ? static_cast<LPARAM>(0xC0000001U) : 1;
            MSG message{target, kind, virtualKey, flags, 0, {}};
            if (IsDialogMessageW(window(), &message) == 0) {
                SendMessageW(target, kind, virtualKey, message.lParam);
            }
            pump();
        }
    }
    void type(HWND target, char character) {
        SendMessageW(target, WM_CHAR, static_cast<WPARAM>(character), 0);
        pump();
    }
    void click(const char* name) {
        SendMessageW(control(name), BM_CLICK, 0, 0);
        pump();
    }

    runtime::ProjectDescriptor m_project = app::projectDescriptor();
    RecordingMessageBox m_box;
    std::unique_ptr<runtime::Program> m_program;
};

TEST_F(Win32WindowTest, StartsWithTheDescribedTextsAndFocusOnTheResultButton) {
    EXPECT_EQ(textOf(window()), "Form1");
    RECT client{};
    GetClientRect(window(), &client);
    EXPECT_EQ(client.right, scaled(732)); // 10980 × 1410 twips at 15 twips a pixel at 96 dpi
    EXPECT_EQ(client.bottom, scaled(94));
    EXPECT_EQ(textOf(control("Text1")), "1");
    EXPECT_EQ(textOf(control("Text2")), "0");
    EXPECT_EQ(textOf(control("Text3")), "360");
    EXPECT_EQ(textOf(control("Command2")), "Вывод данных");
    EXPECT_EQ(textOf(control("Command1")), "Exit");
    EXPECT_EQ(textOf(control("Label2")), "Внутренний радиус");
    EXPECT_EQ(caption(), "Результат вычислений");
    EXPECT_EQ(GetFocus(), control("Command2"));
    const auto style = GetWindowLongPtrW(window(), GWL_STYLE);
    EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);                  // resizable, with its three boxes
    EXPECT_EQ(SendMessageW(control("Text2"), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE); // no limit of its own
    if (const char* expected = std::getenv("RINGCALC_EXPECT_DPI")) {
        EXPECT_EQ(native().dpi(), static_cast<UINT>(std::atoi(expected)));
    }
}

TEST_F(Win32WindowTest, ControlsStandWhereTheDescriptionPutsThemAtTheWindowsDpi) {
    for (const auto& p : kPlaces) {
        RECT rect{};
        GetWindowRect(control(p.name), &rect);
        MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, scaled(p.left)) << p.name;
        EXPECT_EQ(rect.top, scaled(p.top)) << p.name;
        EXPECT_EQ(rect.right - rect.left, scaled(p.width)) << p.name;
        EXPECT_EQ(rect.bottom - rect.top, scaled(p.height)) << p.name;
    }
    const RECT result = native().placeOf("Label4");
    EXPECT_EQ(result.left, scaled(4));
    EXPECT_EQ(result.top, scaled(72));
}

TEST_F(Win32WindowTest, TabCyclesThroughTheBoxesAndButtonsOnly) {
    const char* order[] = {"Text1", "Text2", "Text3", "Command1", "Command2", "Text1"};
    for (const char* next : order) {
        key(GetFocus(), VK_TAB);
        EXPECT_EQ(GetFocus(), control(next)) << "expected " << next;
    }
    // Shift+Tab goes back: the thread's keyboard state says Shift is down, as the dialog manager asks it.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    key(GetFocus(), VK_TAB);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(GetFocus(), control("Command2"));
}

TEST_F(Win32WindowTest, SpaceOnTheStartFocusOrEnterInABoxShowsTheResult) {
    key(GetFocus(), VK_SPACE);
    EXPECT_EQ(caption(), kStartLine);
    for (const char* name : {"Text1", "Text2", "Text3"}) {
        setText("Label4", "Результат вычислений");
        SetFocus(control(name));
        key(control(name), VK_ESCAPE);
        EXPECT_EQ(caption(), "Результат вычислений") << name;
        key(control(name), VK_RETURN);
        EXPECT_EQ(caption(), kStartLine) << name;
    }
    EXPECT_TRUE(IsWindowVisible(window()));
}

TEST_F(Win32WindowTest, TheResultLabelFitsItsLine) {
    const RECT start = native().placeOf("Label4");
    click("Command2");
    ASSERT_EQ(caption(), kStartLine);
    const RECT line = native().placeOf("Label4");
    EXPECT_GT(line.right - line.left, start.right - start.left);
    // The text and the frame: nothing of the line is cut.
    const HDC dc = GetDC(control("Label4"));
    SelectObject(dc, native().font());
    const std::wstring wide(L"Площадь: кольца=3.14; сектора=3.14; в процентах=100%");
    SIZE extent{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
    ReleaseDC(control("Label4"), dc);
    EXPECT_GE(line.right - line.left, extent.cx + 2);
    setText("Text3", "0");
    click("Command2"); // "Площадь: кольца=3.14; сектора=0; в процентах=0%": narrower
    EXPECT_LT(native().placeOf("Label4").right, line.right);
    EXPECT_EQ(native().placeOf("Label4").left, line.left);
}

TEST_F(Win32WindowTest, EveryChangeOfTheInnerRadiusIsChecked) {
    for (const auto& c : kKeystrokes) {
        setText("Text1", c.outer);
        setText("Text2", c.inner);
        SetFocus(control("Text2"));
        SendMessageW(control("Text2"), EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
        for (std::size_t i = 0; c.typed[i] != 0; ++i) {
            const auto before = m_box.shown.size();
            type(control("Text2"), c.typed[i]);
            EXPECT_EQ(m_box.shown.size() - before, c.warnsAt[i] == '1' ? 1U : 0U)
                << "outer " << c.outer << ", inner " << c.inner << ", key " << i;
        }
        EXPECT_EQ(textOf(control("Text1")), c.outer);
    }
    expectEachIsTheWarning(m_box.shown);
}

TEST_F(Win32WindowTest, AnOverflowIsReportedNamingTheBoxAndLosesNothing) {
    setText("Text1", "1e309");
    SetFocus(control("Text2"));
    type(control("Text2"), '5');
    ASSERT_EQ(m_box.shown.size(), 1U);
    EXPECT_EQ(m_box.shown[0].title, runtime::kErrorBoxTitle);
    EXPECT_EQ(m_box.shown[0].prompt, "Внешний радиус: число слишком велико");
    EXPECT_EQ(textOf(control("Text1")), "1e309");
    click("Command2");
    EXPECT_EQ(m_box.shown.size(), 2U);
    EXPECT_EQ(caption(), "Результат вычислений");
}

// Outside High Contrast the table's colours; in it (turned on through the window's seam, as Wine has no such
// setting) the system's text and frame colours, following a switch while the program runs.
TEST_F(Win32WindowTest, ColoursAndTheFrameAsDrawnAndInHighContrast) {
    click("Command2");
    const auto blue = [](COLORREF c) { return GetBValue(c) > 160 && GetRValue(c) < 90 && GetGValue(c) < 90; };
    const auto red = [](COLORREF c) { return GetRValue(c) > 160 && GetGValue(c) < 90 && GetBValue(c) < 90; };
    const auto systemText = [](COLORREF c) { return c == GetSysColor(COLOR_BTNTEXT); };
    for (const bool contrast : {false, true, false}) {
        native().highContrast = contrast ? +[] { return true; } : +[] { return false; };
        SendMessageW(window(), WM_SYSCOLORCHANGE, 0, 0);
        RedrawWindow(window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        const HDC dc = GetDC(window());
        const auto count = [this, dc](const char* name, bool (*match)(COLORREF)) {
            RECT r{};
            GetWindowRect(control(name), &r);
            MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&r), 2);
            int found = 0;
            for (int y = r.top; y < r.bottom; ++y) {
                for (int x = r.left; x < r.right; ++x) {
                    found += match(GetPixel(dc, x, y)) ? 1 : 0;
                }
            }
            return found;
        };
        EXPECT_EQ(count("Label1", blue) > 10, !contrast) << contrast;
        EXPECT_EQ(count("Label1", red), 0) << contrast;
        EXPECT_EQ(count("Label4", red) > 10, !contrast) << contrast;
        EXPECT_EQ(count("Label4", blue), 0) << contrast;
        if (contrast) {
            EXPECT_GT(count("Label1", systemText), 10);
            EXPECT_GT(count("Label4", systemText), 10);
        }
        // The frame is one pixel at 96 dpi, all round: black, or the system's frame colour.
        const COLORREF frame = contrast ? GetSysColor(COLOR_WINDOWFRAME) : RGB(0, 0, 0);
        const RECT result = native().placeOf("Label4");
        for (const POINT p : {POINT{result.left, result.top + 3}, POINT{result.right - 1, result.top + 3},
                              POINT{result.left + 5, result.top}, POINT{result.left + 5, result.bottom - 1}}) {
            EXPECT_EQ(GetPixel(dc, p.x, p.y), frame) << p.x << "," << p.y;
        }
        ReleaseDC(window(), dc);
    }
}

TEST_F(Win32WindowTest, ExitEndsTheLoopWithStatusZero) {
    PostMessageW(control("Command1"), BM_CLICK, 0, 0);
    EXPECT_EQ(runtime::runMessageLoop(), 0);
    EXPECT_FALSE(IsWindowVisible(window()));
    EXPECT_TRUE(m_box.shown.empty());
}

TEST_F(Win32WindowTest, TheCloseBoxEndsTheLoopWithStatusZero) {
    PostMessageW(window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(runtime::runMessageLoop(), 0);
    EXPECT_FALSE(IsWindow(window()));
}

TEST_F(Win32WindowTest, TheFocusComesBackWhereTheUserLeftIt) {
    const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    struct Away {
        const char* what;
        std::function<void()> leave;
        std::function<void()> back;
    };
    const Away aways[] = {
        {"another window", [other] { SetActiveWindow(other); }, [this] { SetActiveWindow(window()); }},
        {"minimised", [this] { ShowWindow(window(), SW_MINIMIZE); }, [this] { ShowWindow(window(), SW_RESTORE); }},
    };
    for (const auto& away : aways) {
        SetFocus(control("Text2"));
        away.leave();
        pump();
        away.back();
        pump();
        EXPECT_EQ(GetFocus(), control("Text2")) << away.what;
        const auto before = m_box.shown.size();
        type(GetFocus(), '7'); // "07" or "70": either is above 1
        EXPECT_EQ(m_box.shown.size(), before + 1) << away.what;
    }
    DestroyWindow(other);
}

TEST_F(Win32WindowTest, TheDefaultButtonFollowsTheFocusAndArrowsMoveItOn) {
    const auto isDefault = [this](const char* name) {
        return (GetWindowLongPtrW(control(name), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    };
    for (int i = 0; i < 4; ++i) { // from "Вывод данных" through the three boxes to "Exit"
        key(GetFocus(), VK_TAB);
    }
    ASSERT_EQ(GetFocus(), control("Command1"));
    EXPECT_TRUE(isDefault("Command1"));
    EXPECT_FALSE(isDefault("Command2"));
    SendMessageW(control("Text1"), WM_LBUTTONDOWN, MK_LBUTTON, 0); // a click back into a box
    SendMessageW(control("Text1"), WM_LBUTTONUP, 0, 0);
    pump();
    ASSERT_EQ(GetFocus(), control("Text1"));
    EXPECT_TRUE(isDefault("Command2"));
    EXPECT_FALSE(isDefault("Command1"));
    key(GetFocus(), VK_RETURN);
    EXPECT_EQ(caption(), kStartLine);
    // On a button an arrow goes on as Tab (right, down) or back as Shift+Tab (left, up).
    struct Arrow {
        const char* from;
        WPARAM key;
        const char* to;
    };
    const Arrow arrows[] = {{"Command1", VK_RIGHT, "Command2"},
                            {"Command2", VK_DOWN, "Text1"},
                            {"Command2", VK_LEFT, "Command1"},
                            {"Command1", VK_UP, "Text3"}};
    for (const auto& a : arrows) {
        SetFocus(control(a.from));
        key(control(a.from), a.key);
        EXPECT_EQ(GetFocus(), control(a.to)) << a.from << " " << a.key;
    }
}

// Each edit a user makes runs the change action once, however many times the box says its text changed.
TEST_F(Win32WindowTest, OneEditOfTheInnerRadiusIsOneCheck) {
    struct Edit {
        const char* what;
        const char* text; // the box's text before, all of it selected from selStart
        int selStart;
        int selEnd;
        char first;   // a key typed before the edit, or 0
        UINT message; // the edit: a key's character or a message of the box
        WPARAM wParam;
    };
    // The outer radius is 1; every edit leaves a text above it.
    const Edit edits[] = {
        {"a key", "", 0, 0, 0, WM_CHAR, '5'},        {"typing over a selection", "3", 0, 1, 0, WM_CHAR, '5'},
        {"Backspace", "92", 2, 2, 0, WM_CHAR, '\b'}, {"Delete", "29", 0, 0, 0, WM_KEYDOWN, VK_DELETE},
        {"a cut", "29", 0, 1, 0, WM_CUT, 0},         {"a paste", "", 0, 0, 0, WM_PASTE, 0},
        {"Ctrl+Z", "9", 0, 1, '0', WM_CHAR, 0x1A}, // "0" typed over "9", then undone
    };
    ASSERT_TRUE(OpenClipboard(window()));
    EmptyClipboard();
    const HGLOBAL seven = GlobalAlloc(GMEM_MOVEABLE, 2 * sizeof(wchar_t));
    std::memcpy(GlobalLock(seven), L"7", 2 * sizeof(wchar_t));
    GlobalUnlock(seven);
    SetClipboardData(CF_UNICODETEXT, seven);
    CloseClipboard();
    for (const auto& e : edits) {
        setText("Text2", e.text);
        SetFocus(control("Text2"));
        SendMessageW(control("Text2"), EM_SETSEL, static_cast<WPARAM>(e.selStart), e.selEnd);
        if (e.first != 0) {
            type(control("Text2"), e.first);
        }
        m_box.shown.clear();
        SendMessageW(control("Text2"), e.message, e.wParam, e.message == WM_KEYDOWN ? 1 : 0);
        pump();
        EXPECT_EQ(m_box.shown.size(), 1U) << e.what << ": the box reads " << textOf(control("Text2"));
    }
}

// What escapes the window's own handling is reported as an action's error; with nothing to report it, the
// program ends with status 1 rather than unwind through the system's frames.
TEST_F(Win32WindowTest, NothingEscapesAWindowProcedure) {
    native().onEvent = [](std::size_t, runtime::Event) { throw std::logic_error("handler"); };
    click("Command2");           // the window's procedure
    type(control("Text2"), '5'); // the box's own, where its change is reported
    ASSERT_EQ(m_box.shown.size(), 2U);
    for (const auto& shown : m_box.shown) {
        EXPECT_EQ(shown.title, runtime::kErrorBoxTitle);
        EXPECT_EQ(shown.prompt, runtime::kInternalErrorText);
    }
    EXPECT_TRUE(IsWindowVisible(window()));
    native().onFault = nullptr;
    click("Command2");
    EXPECT_EQ(runtime::runMessageLoop(), 1);
}

// The window as it moves between monitors of 144, 192 and back to 96 dpi, which Wine never does: the size
// the system is told, the rectangle it suggests applied once, every place, the frame, the font, the fit.
TEST_F(Win32WindowTest, MovingToAnotherDpiPlacesAndFitsEverythingAgain) {
    click("Command2");
    int lastFontHeight = 0;
    for (const UINT dpi : {144U, 192U, 96U}) {
        const auto at = [dpi](int pixelsAt96) { return pixelsAt(pixelsAt96, static_cast<int>(dpi)); };
        SIZE size{};
        EXPECT_TRUE(SendMessageW(window(), 0x02E4 /* WM_GETDPISCALEDSIZE */, dpi, reinterpret_cast<LPARAM>(&size)));
        RECT suggested{};
        GetWindowRect(window(), &suggested);
        suggested.right = suggested.left + size.cx;
        suggested.bottom = suggested.top + size.cy;
        SendMessageW(window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        pump();
        ASSERT_EQ(native().dpi(), dpi);
        RECT frame{};
        GetWindowRect(window(), &frame);
        EXPECT_TRUE(EqualRect(&frame, &suggested)) << dpi << ": the window was sized again";
        RECT client{0, 0, at(732), at(94)};
        runtime::adjustWindowRectForDpi(client, static_cast<DWORD>(GetWindowLongPtrW(window(), GWL_STYLE)), 0, dpi);
        EXPECT_EQ(size.cx, client.right - client.left) << dpi;
        EXPECT_EQ(size.cy, client.bottom - client.top) << dpi;
        for (const auto& p : kPlaces) {
            RECT rect{};
            GetWindowRect(control(p.name), &rect);
            MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&rect), 2);
            EXPECT_EQ(rect.left, at(p.left)) << p.name << " at " << dpi;
            EXPECT_EQ(rect.top, at(p.top)) << p.name << " at " << dpi;
            EXPECT_EQ(rect.right - rect.left, at(p.width)) << p.name << " at " << dpi;
            EXPECT_EQ(rect.bottom - rect.top, at(p.height)) << p.name << " at " << dpi;
        }
        // Two pixels of frame at 144 and 192 dpi, as Qt draws one pixel at a scale of 1.5 and 2.
        EXPECT_EQ(native().frameWidth(), dpi == 96 ? 1 : 2);
        LOGFONTW font{};
        GetObjectW(native().font(), sizeof font, &font);
        EXPECT_NE(-font.lfHeight, lastFontHeight) << dpi; // 144 then 192 then 96: a new size each time
        lastFontHeight = -font.lfHeight;
        const HDC dc = GetDC(window());
        SelectObject(dc, native().font());
        SIZE extent{};
        const std::wstring line = runtime::wideText(kStartLine);
        GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
        const std::wstring exit = L"Exit";
        SIZE exitExtent{};
        GetTextExtentPoint32W(dc, exit.c_str(), 4, &exitExtent);
        ReleaseDC(window(), dc);
        const RECT result = native().placeOf("Label4");
        EXPECT_EQ(result.left, at(4)) << dpi;
        EXPECT_EQ(result.top, at(72)) << dpi;
        EXPECT_GE(result.right - result.left, extent.cx + 2 * native().frameWidth()) << dpi;
        EXPECT_LE(exitExtent.cx, at(93)) << dpi; // the fitted font: a caption fits its button
        // The title bar's icon at the DPI's size.
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(SendMessageW(window(), WM_GETICON, ICON_SMALL, 0)), &info));
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, runtime::systemMetricForDpi(SM_CXSMICON, dpi)) << dpi;
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
}

// "Make text bigger" (or smaller) changes the message font: the window fits its font again.
TEST_F(Win32WindowTest, ANewTextSizeFitsTheFontAgain) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    const NONCLIENTMETRICSW saved = metrics;
    LOGFONTW before{};
    GetObjectW(native().font(), sizeof before, &before);
    metrics.lfMessageFont.lfHeight = -scaled(8); // 6 points: smaller than the fit of every caption
    ASSERT_TRUE(SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    SendMessageW(window(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    LOGFONTW smaller{};
    GetObjectW(native().font(), sizeof smaller, &smaller);
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof saved, const_cast<NONCLIENTMETRICSW*>(&saved), 0);
    SendMessageW(window(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    LOGFONTW after{};
    GetObjectW(native().font(), sizeof after, &after);
    EXPECT_EQ(-smaller.lfHeight, scaled(8));
    EXPECT_EQ(after.lfHeight, before.lfHeight);
}

// The control last announced as a live region that changed.
HWND announced = nullptr;

void CALLBACK noteAnnounced(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND hwnd, LONG object, LONG /*child*/,
                            DWORD /*thread*/, DWORD /*time*/) {
    if (object == OBJID_CLIENT) {
        announced = hwnd;
    }
}

// Screen readers name each box by the caption under it: the label stands just before its box among the
// window's controls, where the platform's accessibility takes a box's name from. The result line is not
// named after a caption: it reads as read-only text, its value the line, and a new line is announced.
TEST_F(Win32WindowTest, ScreenReadersNameTheBoxesByTheirCaptionsAndHearTheResult) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    constexpr DWORD kLiveRegionChanged = 0x8019; // EVENT_OBJECT_LIVEREGIONCHANGED, Windows 8
    const HWINEVENTHOOK hook = SetWinEventHook(kLiveRegionChanged, kLiveRegionChanged, nullptr, noteAnnounced,
                                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    click("Command2");
    EXPECT_EQ(announced, control("Label4"));
    UnhookWinEvent(hook);
    // IAccessible's interface id as documented; the value mingw-w64's libraries link in for it differs.
    const GUID iAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
    const std::wstring line = runtime::wideText(kStartLine);
    const std::pair<const char*, const wchar_t*> names[] = {
        {"Text1", L"Внешний радиус"}, {"Text2", L"Внутренний радиус"}, {"Text3", L"Угол сектора"}, {"Label4", nullptr}};
    for (const auto& [name, caption] : names) {
        IAccessible* accessible = nullptr;
        ASSERT_TRUE(SUCCEEDED(AccessibleObjectFromWindow(control(name), static_cast<DWORD>(OBJID_CLIENT), iAccessible,
                                                         reinterpret_cast<void**>(&accessible))))
            << name;
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR text = nullptr;
        (void)accessible->get_accName(self, &text);
        const std::wstring read = text != nullptr ? text : L"";
        SysFreeString(text);
        if (caption != nullptr) {
            EXPECT_EQ(read, caption) << name;
        } else {
            EXPECT_TRUE(read.empty() || read == line) << name; // its own text, or no other control's caption
            BSTR value = nullptr;
            EXPECT_TRUE(SUCCEEDED(accessible->get_accValue(self, &value)));
            EXPECT_EQ(std::wstring(value != nullptr ? value : L""), line);
            SysFreeString(value);
            VARIANT role{};
            VARIANT state{};
            EXPECT_TRUE(SUCCEEDED(accessible->get_accRole(self, &role)));
            EXPECT_TRUE(SUCCEEDED(accessible->get_accState(self, &state)));
            EXPECT_EQ(role.lVal, ROLE_SYSTEM_TEXT);
            EXPECT_NE(state.lVal & STATE_SYSTEM_READONLY, 0);
        }
        accessible->Release();
    }
    CoUninitialize();
}

TEST(Win32Program, RefusesABadDescriptionOrBindingAndLeavesNoWindow) {
    for (const auto& c : badProjects()) {
        RecordingMessageBox box;
        EXPECT_EQ(refusalOf(c, box), faultAbout(c.atFault)) << c.what;
        EXPECT_EQ(FindWindowW(L"RingcalcForm", nullptr), nullptr) << c.what << " left a window behind";
    }
}

// The real message boxes of a title, as the user sees them: each read and closed from another thread.
class BoxWatcher {
public:
    struct Seen {
        std::string text;
        int buttons = 0;
        bool stopIcon = false;
        HWND owner = nullptr;
        bool ownerEnabled = true;
    };
    explicit BoxWatcher(const char* title) : m_title(runtime::wideText(title)), m_thread([this] { watch(); }) {}
    ~BoxWatcher() { stop(); }
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;
    BoxWatcher(BoxWatcher&&) = delete;
    BoxWatcher& operator=(BoxWatcher&&) = delete;

    /// Stops watching and returns what was seen.
    std::vector<Seen> stop() {
        m_stop = true;
        if (m_thread.joinable()) {
            m_thread.join();
        }
        return m_seen;
    }

private:
    void watch() {
        HWND last = nullptr;
        for (int i = 0; i < 1000 && !m_stop; ++i, Sleep(10)) {
            const HWND box = FindWindowW(L"#32770", m_title.c_str());
            if (box == nullptr || box == last || IsWindowVisible(box) == 0) {
                continue;
            }
            Seen seen;
            seen.text = textOf(GetDlgItem(box, 0xFFFF)); // the box's text
            for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
                wchar_t kind[16] = {};
                GetClassNameW(child, kind, 16);
                seen.buttons += lstrcmpiW(kind, L"Button") == 0 ? 1 : 0;
                if (lstrcmpiW(kind, L"Static") == 0 && (GetWindowLongPtrW(child, GWL_STYLE) & SS_ICON) != 0) {
                    seen.stopIcon = SendMessageW(child, STM_GETICON, 0, 0) ==
                                    reinterpret_cast<LRESULT>(LoadIconW(nullptr, IDI_HAND));
                }
            }
            seen.owner = GetWindow(box, GW_OWNER);
            seen.ownerEnabled = seen.owner != nullptr && IsWindowEnabled(seen.owner) != 0;
            m_seen.push_back(seen);
            last = box;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    }

    std::wstring m_title;
    std::atomic<bool> m_stop{false};
    std::vector<Seen> m_seen;
    std::thread m_thread;
};

// The real message box: a stop box with two lines and one button, owned by the window and keeping it
// disabled even when the change came while another window was active; closed, it gives the focus back to
// the box the user typed in, and the next key lands there.
TEST(Win32MessageBox, TheWarningBelongsToTheWindowAndGivesTheFocusBack) {
    const runtime::ProjectDescriptor project = app::projectDescriptor();
    runtime::Win32MessageBox messageBox;
    const runtime::Program program(project, messageBox);
    const HWND form = program.form().native().window();
    const HWND text2 = program.form().native().control("Text2");
    pump();
    const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetActiveWindow(other);
    pump();
    BoxWatcher watcher(kWarningTitle);
    program.form().setCaption("Text2", "2"); // a change from outside while another window is active: 2 > 1
    SetActiveWindow(form);
    SetFocus(text2);
    SendMessageW(text2, EM_SETSEL, 1, 1);
    SendMessageW(GetFocus(), WM_CHAR, '5', 0); // "25" warns; the box closes with Enter
    pump();
    SendMessageW(GetFocus(), WM_CHAR, '0', 0); // lands in the box again: "250" warns again
    pump();
    const auto seen = watcher.stop();
    DestroyWindow(other);
    EXPECT_EQ(textOf(text2), "250");
    ASSERT_EQ(seen.size(), 3U);
    for (const auto& box : seen) {
        EXPECT_EQ(box.text, kWarningPrompt);
        EXPECT_EQ(box.buttons, 1);
        EXPECT_TRUE(box.stopIcon);
        EXPECT_EQ(box.owner, form);
        EXPECT_FALSE(box.ownerEnabled);
    }
}

// A window the system refuses to make (here a hook refuses it, as a desktop out of its heap would) is
// reported with the system's reason, not as a fault of the description.
TEST(Win32StartFailure, AWindowTheSystemRefusesGivesTheSystemsReason) {
    static const auto refuse = [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (code == HCBT_CREATEWND) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return 1;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    };
    const HHOOK hook = SetWindowsHookExW(
        WH_CBT, [](int code, WPARAM wParam, LPARAM lParam) CALLBACK { return refuse(code, wParam, lParam); }, nullptr,
        GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    std::string refusal;
    runtime::ErrorKind kind = runtime::ErrorKind::InvalidArgument;
    try {
        const runtime::Form form(ui::form1Description());
    } catch (const runtime::RuntimeError& error) {
        refusal = error.what();
        kind = error.kind();
    }
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(kind, runtime::ErrorKind::SystemFailure);
    EXPECT_EQ(refusal, std::string(ui::form1Description().name) + ": " +
                           runtime::errorDetail(runtime::ErrorKind::SystemFailure) + ": " +
                           runtime::systemErrorText(ERROR_NOT_ENOUGH_MEMORY));
}

// Started from Explorer a program has no standard error: the line that says why it cannot start is shown
// in a box titled with the program's name.
TEST(Win32StartFailure, WithoutStandardErrorTheLineIsShownInABox) {
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    SetStdHandle(STD_ERROR_HANDLE, nullptr);
    BoxWatcher watcher("ringcalc");
    runtime::tellStartFailure("ringcalc", "cannot build its window: Missing: недопустимый аргумент");
    const auto seen = watcher.stop();
    SetStdHandle(STD_ERROR_HANDLE, error);
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0].text, "ringcalc: cannot build its window: Missing: недопустимый аргумент");
    EXPECT_EQ(seen[0].buttons, 1);
}

} // namespace
} // namespace ringcalc::testing
