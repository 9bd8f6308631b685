// Screen readers on Windows: the result line's name and live-region annotation, loaded when first needed.
#include "runtime/win32/win32_accessible.h"

#include <oleacc.h>

namespace ringcalc::runtime {
namespace {

// The identifiers as Microsoft documents them, written out: the libraries a build links may lack them.
constexpr GUID kAccPropServices = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kIAccPropServices = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kNameProperty = {0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
constexpr GUID kLiveSetting = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;                  // UI Automation's LiveSetting: read when the reader is next idle
constexpr DWORD kLiveRegionChanged = 0x8019; // EVENT_OBJECT_LIVEREGIONCHANGED, Windows 8

template <class F> [[nodiscard]] F function(HMODULE module, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

Win32Accessible::~Win32Accessible() {
    if (m_services != nullptr) {
        // Annotations are cleared while their window is still there.
        if (m_label != nullptr) {
            MSAAPROPID properties[] = {kNameProperty, kLiveSetting};
            m_services->ClearHwndProps(m_label, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, properties, 2);
        }
        m_services->Release();
    }
    if (m_comStarted) {
        if (const auto uninitialize = function<void(WINAPI*)()>(m_ole32, "CoUninitialize")) {
            uninitialize();
        }
    }
    if (m_ole32 != nullptr) {
        FreeLibrary(m_ole32);
    }
}

// ole32 costs a start-up that shows no result a good part of its time: it is loaded with the first result.
void Win32Accessible::startServices() noexcept {
    m_tried = true;
    m_ole32 = LoadLibraryW(L"ole32.dll");
    if (m_ole32 == nullptr) {
        return;
    }
    const auto initialize = function<HRESULT(WINAPI*)(LPVOID, DWORD)>(m_ole32, "CoInitializeEx");
    const auto create =
        function<HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*)>(m_ole32, "CoCreateInstance");
    if (initialize == nullptr || create == nullptr) {
        return;
    }
    const HRESULT started = initialize(nullptr, COINIT_APARTMENTTHREADED);
    m_comStarted = SUCCEEDED(started); // S_FALSE too: each success is matched by an uninitialize
    if (!m_comStarted && started != RPC_E_CHANGED_MODE) {
        return;
    }
    void* services = nullptr;
    if (SUCCEEDED(create(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kIAccPropServices, &services))) {
        m_services = static_cast<IAccPropServices*>(services);
    }
}

void Win32Accessible::announce(HWND label, const std::wstring& text) noexcept {
    if (!m_tried) {
        startServices();
    }
    if (m_services != nullptr) {
        m_label = label;
        // Without a name of its own, the platform would name the line after the caption before it.
        m_services->SetHwndPropStr(label, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kNameProperty, text.c_str());
        VARIANT live{};
        live.vt = VT_I4;
        live.lVal = kPolite;
        m_services->SetHwndProp(label, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kLiveSetting, live);
    }
    // Windows 7 knows no live regions: its readers hear of the new name.
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, label, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(kLiveRegionChanged, label, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace ringcalc::runtime
