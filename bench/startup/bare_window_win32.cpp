// bare_window_win32: the Windows start-up benchmark's peer, a bare Win32 window with the calculator's nine
// controls in the same places at 96 dpi, in the message font and the same manifest's look, and nothing
// else: no font fitting, no colours, no icon, no bindings.
#include <windows.h>

#include <commctrl.h>

namespace {

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

struct Control {
    const wchar_t* kind;
    const wchar_t* text;
    DWORD style;
    int left, top, width, height;
};

} // namespace

int main() {
    INITCOMMONCONTROLSEX common{sizeof common, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"BareForm";
    RegisterClassExW(&windowClass);
    RECT client{0, 0, 732, 94};
    AdjustWindowRectEx(&client, WS_OVERLAPPEDWINDOW, FALSE, 0);
    const HWND window = CreateWindowExW(0, L"BareForm", L"Form1", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                        client.right - client.left, client.bottom - client.top, nullptr, nullptr,
                                        windowClass.hInstance, nullptr);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    const DWORD child = WS_CHILD | WS_VISIBLE;
    const Control controls[] = {
        {L"BUTTON", L"Вывод данных", child | WS_TABSTOP, 388, 8, 233, 57},
        {L"STATIC", L"Внешний радиус", child | SS_CENTER, 4, 40, 121, 17},
        {L"EDIT", L"1", child | WS_TABSTOP | ES_AUTOHSCROLL, 4, 8, 121, 25},
        {L"STATIC", L"Внутренний радиус", child | SS_CENTER, 132, 40, 121, 17},
        {L"EDIT", L"0", child | WS_TABSTOP | ES_AUTOHSCROLL, 132, 8, 121, 25},
        {L"STATIC", L"Угол сектора", child | SS_CENTER, 260, 40, 121, 17},
        {L"EDIT", L"360", child | WS_TABSTOP | ES_AUTOHSCROLL, 260, 8, 121, 25},
        {L"STATIC", L"Результат вычислений", child, 4, 72, 120, 17},
        {L"BUTTON", L"Exit", child | WS_TABSTOP, 632, 8, 93, 57},
    };
    for (const Control& c : controls) {
        const DWORD exStyle = c.kind[0] == L'E' ? WS_EX_CLIENTEDGE : 0;
        const HWND hwnd = CreateWindowExW(exStyle, c.kind, c.text, c.style, c.left, c.top, c.width, c.height, window,
                                          nullptr, windowClass.hInstance, nullptr);
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    ShowWindow(window, SW_SHOW);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window, &message) == 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return 0;
}
