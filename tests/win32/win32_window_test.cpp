// Tests of the real window on Win32, under Wine: the program built through the runtime, driven by messages.
#include "app/project.h"
#include "bad_projects.h"
#include "fake_view.h"
#include "runtime/dispatch.h"
#include "runtime/runtime_error.h"
#include "runtime/win32/win32_form.h"
#include "runtime/win32/win32_message_box.h"
#include "runtime/win32/win32_program.h"
#include "runtime/win32/win32_text.h"
#include "window_cases.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <oleacc.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <utility>

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
    [[nodiscard]] int scaled(int pixelsAt96) const { return MulDiv(pixelsAt96, static_cast<int>(native().dpi()), 96); }

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
    for (const auto& shown : m_box.shown) {
        EXPECT_EQ(shown.prompt, kWarningPrompt);
        EXPECT_EQ(shown.style, kWarningStyle);
        EXPECT_EQ(shown.title, kWarningTitle);
    }
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

TEST_F(Win32WindowTest, ColoursAndTheFrameAsDrawn) {
    click("Command2");
    RedrawWindow(window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const HDC dc = GetDC(window());
    const auto count = [dc](RECT r, bool (*match)(COLORREF)) {
        int found = 0;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                found += match(GetPixel(dc, x, y)) ? 1 : 0;
            }
        }
        return found;
    };
    const auto blue = [](COLORREF c) { return GetBValue(c) > 160 && GetRValue(c) < 90 && GetGValue(c) < 90; };
    const auto red = [](COLORREF c) { return GetRValue(c) > 160 && GetGValue(c) < 90 && GetBValue(c) < 90; };
    const auto placeIn = [this](const char* name) {
        RECT r{};
        GetWindowRect(control(name), &r);
        MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    EXPECT_GT(count(placeIn("Label1"), blue), 10);
    EXPECT_EQ(count(placeIn("Label1"), red), 0);
    const RECT result = native().placeOf("Label4");
    EXPECT_GT(count(placeIn("Label4"), red), 10);
    // The frame is black, one pixel wide, all round.
    for (const POINT p : {POINT{result.left, result.top + 3}, POINT{result.right - 1, result.top + 3},
                          POINT{result.left + 5, result.top}, POINT{result.left + 5, result.bottom - 1}}) {
        EXPECT_EQ(GetPixel(dc, p.x, p.y), RGB(0, 0, 0)) << p.x << "," << p.y;
    }
    ReleaseDC(window(), dc);
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

// Screen readers name each box by the caption under it: the label stands just before its box among the
// window's controls, where the platform's accessibility takes a box's name from.
TEST_F(Win32WindowTest, ScreenReadersNameTheBoxesByTheirCaptions) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    // IAccessible's interface id as documented; the value mingw-w64's libraries link in for it differs.
    const GUID iAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
    const std::pair<const char*, const wchar_t*> names[] = {
        {"Text1", L"Внешний радиус"}, {"Text2", L"Внутренний радиус"}, {"Text3", L"Угол сектора"}};
    for (const auto& [name, caption] : names) {
        IAccessible* accessible = nullptr;
        ASSERT_TRUE(SUCCEEDED(AccessibleObjectFromWindow(control(name), static_cast<DWORD>(OBJID_CLIENT), iAccessible,
                                                         reinterpret_cast<void**>(&accessible))))
            << name;
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR text = nullptr;
        EXPECT_TRUE(SUCCEEDED(accessible->get_accName(self, &text))) << name;
        EXPECT_STREQ(text != nullptr ? text : L"", caption) << name;
        SysFreeString(text);
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

// The real message box: read and closed from another thread, as the user would see and close it.
TEST(Win32MessageBox, TheWarningIsAStopBoxWithTwoLinesAndOneButton) {
    std::atomic<bool> seen{false};
    std::string title;
    std::string text;
    int buttons = 0;
    bool stopIcon = false;
    std::thread watcher([&] {
        for (int i = 0; i < 500 && !seen; ++i) {
            if (const HWND box = FindWindowW(L"#32770", runtime::wideText(kWarningTitle).c_str())) {
                title = textOf(box);
                text = textOf(GetDlgItem(box, 0xFFFF)); // the box's text
                for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
                    wchar_t kind[16] = {};
                    GetClassNameW(child, kind, 16);
                    buttons += lstrcmpiW(kind, L"Button") == 0 ? 1 : 0;
                    if (lstrcmpiW(kind, L"Static") == 0 && (GetWindowLongPtrW(child, GWL_STYLE) & SS_ICON) != 0) {
                        stopIcon = SendMessageW(child, STM_GETICON, 0, 0) ==
                                   reinterpret_cast<LRESULT>(LoadIconW(nullptr, IDI_HAND));
                    }
                }
                seen = true;
                PostMessageW(box, WM_COMMAND, IDOK, 0);
            }
            Sleep(10);
        }
    });
    const runtime::ProjectDescriptor project = app::projectDescriptor();
    runtime::Win32MessageBox messageBox;
    {
        const runtime::Program program(project, messageBox);
        program.form().setCaption("Text2", "2"); // 2 > 1: one warning
    }
    watcher.join();
    ASSERT_TRUE(seen);
    EXPECT_EQ(title, kWarningTitle);
    EXPECT_EQ(text, kWarningPrompt);
    EXPECT_EQ(buttons, 1);
    EXPECT_TRUE(stopIcon);
}

} // namespace
} // namespace ringcalc::testing
