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
    int(WINAPI* getSystemMetricsForDpi)(int, UINT) = nullptr;
    BOOL(WINAPI* enableNonClientDpiScaling)(HWND) = nullptr;
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
        lookUp(user32, "GetSystemMetricsForDpi", f.getSystemMetricsForDpi);
        lookUp(user32, "EnableNonClientDpiScaling", f.enableNonClientDpiScaling);
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

// Windows 8.1 and 10 before 1607 tell a monitor's DPI through shcore, which is loaded only there.
[[nodiscard]] static UINT monitorDpi(HWND window) {
    static const auto getDpiForMonitor = [] {
        HRESULT(WINAPI * f)(HMONITOR, int, UINT*, UINT*) = nullptr;
        if (const HMODULE shcore = LoadLibraryW(L"shcore.dll")) {
            lookUp(shcore, "GetDpiForMonitor", f); // kept loaded for the program's life
        }
        return f;
    }();
    UINT x = 0;
    UINT y = 0;
    constexpr int kEffectiveDpi = 0; // MDT_EFFECTIVE_DPI
    if (getDpiForMonitor == nullptr ||
        FAILED(getDpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y))) {
        return 0;
    }
    return y;
}

UINT dpiForWindow(HWND window) {
    const UINT dpi = newer().getDpiForWindow != nullptr ? newer().getDpiForWindow(window) : monitorDpi(window);
    return dpi != 0 ? dpi : systemDpi();
}

int systemMetricForDpi(int index, UINT dpi) {
    if (newer().getSystemMetricsForDpi != nullptr) {
        return newer().getSystemMetricsForDpi(index, dpi);
    }
    return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(systemDpi()));
}

void enableNonClientDpiScaling(HWND window) {
    if (newer().enableNonClientDpiScaling != nullptr) {
        newer().enableNonClientDpiScaling(window);
    }
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
