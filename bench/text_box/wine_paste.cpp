// A long paste into each text box of the real window under Wine, against a bare EDIT of a bare window given
// the same paste in the same run: the time from WM_PASTE to its return, change action included. Prints each
// run and the medians, and each box's ratio to the bare EDIT's.
// Usage: wine_paste.exe [CHARACTERS [RUNS]]   (100000 and 3 by default)
#include "app/project.h"
#include "fake_view.h"
#include "runtime/program.h"
#include "runtime/win32/win32_form.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void putOnClipboard(HWND owner, const std::wstring& text) {
    OpenClipboard(owner);
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

// Milliseconds a paste over the box's whole text takes.
double pasteInto(HWND box) {
    SetFocus(box);
    SendMessageW(box, EM_SETSEL, 0, -1);
    LARGE_INTEGER frequency{};
    LARGE_INTEGER start{};
    LARGE_INTEGER end{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    SendMessageW(box, WM_PASTE, 0, 0);
    QueryPerformanceCounter(&end);
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
        DispatchMessageW(&message);
    }
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const long characters = argc > 1 ? std::atol(argv[1]) : 100000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    // A number of that many digits: each box's action reads it (and finds it too large).
    std::wstring text(static_cast<std::size_t>(characters), L'0');
    text.front() = L'1';

    const ringcalc::runtime::ProjectDescriptor project = ringcalc::app::projectDescriptor();
    ringcalc::testing::RecordingMessageBox messageBox;
    const ringcalc::runtime::Program program(project, messageBox);
    const auto& native = program.form().native();
    // The peer: a window with one EDIT of the same styles, no limit of its own, nothing bound to it.
    const HWND bareWindow = CreateWindowExW(0, L"STATIC", L"bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 100,
                                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    const HWND bare = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 4, 8, 121,
                                      25, bareWindow, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(bare, EM_SETLIMITTEXT, 0, 0);
    SendMessageW(bare, WM_SETFONT, reinterpret_cast<WPARAM>(native.font()), FALSE);
    putOnClipboard(bareWindow, text);

    const char* names[] = {"bare EDIT", "Text1", "Text2", "Text3"};
    const HWND boxes[] = {bare, native.control("Text1"), native.control("Text2"), native.control("Text3")};
    std::vector<double> times[4];
    for (int run = 1; run <= runs; ++run) {
        std::printf("run %d (%ld characters):", run, characters);
        for (int i = 0; i < 4; ++i) {
            times[i].push_back(pasteInto(boxes[i]));
            std::printf("  %s %.0f ms", names[i], times[i].back());
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    const double bareMedian = median(times[0]);
    for (int i = 0; i < 4; ++i) {
        std::printf("median %-9s %9.0f ms  ÷ bare EDIT %.3f\n", names[i], median(times[i]),
                    median(times[i]) / bareMedian);
    }
    DestroyWindow(bareWindow);
    return 0;
}
