// Dots per inch on Windows, and the functions of newer versions looked up once.
#include "runtime/win32/win32_dpi.h"

namespace ringcalc::runtime {
namespace {

// The functions of Windows 10 1607 and later, looked up so that the program still starts on Windows 7:
// each is null where the system has none.
struct NewerFunctions {
    UINT(WINAPI* getDpiForWindow)(HWND) = nullptr;
    BOOL(WINAPI* systemParametersInfoForDpi)(UINT, UINT, PVOID, UINT, UINT) = nullptr;
    BOOL(WINAPI* adjustWindowRectExForDpi)(LPRECT, DWORD, BOOL, DWORD, UINT) = nullptr;
};

template <class F> void lookUp(HMODULE module, const char* name, F& function) {
    function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

[[nodiscard]] const NewerFunctions& newer() {
    static const NewerFunctions functions = [] {
        NewerFunctions f;
        const HMODULE user32 = GetModuleHandleW(L"user32.dll");
        lookUp(user32, "GetDpiForWindow", f.getDpiForWindow);
        lookUp(user32, "SystemParametersInfoForDpi", f.systemParametersInfoForDpi);
        lookUp(user32, "AdjustWindowRectExForDpi", f.adjustWindowRectExForDpi);
        return f;
    }();
    return functions;
}

} // namespace

UINT systemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96U;
}

UINT dpiForWindow(HWND window) {
    const UINT dpi = newer().getDpiForWindow != nullptr ? newer().getDpiForWindow(window) : 0;
    return dpi != 0 ? dpi : systemDpi();
}

NONCLIENTMETRICSW nonClientMetricsForDpi(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (newer().systemParametersInfoForDpi != nullptr &&
        newer().systemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi) != 0) {
        return metrics;
    }
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfHeight =
        MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi), static_cast<int>(systemDpi()));
    return metrics;
}

void adjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi) {
    if (newer().adjustWindowRectExForDpi != nullptr) {
        newer().adjustWindowRectExForDpi(&rect, style, FALSE, exStyle, dpi);
    } else {
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
}

} // namespace ringcalc::runtime
