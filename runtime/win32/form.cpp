// Building a window and its controls from a description with the Win32 API, and the font that fits them.
#include "runtime/win32/win32_form.h"

#include "runtime/font_fit.h"
#include "runtime/runtime_error.h"
#include "runtime/win32/win32_text.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace ringcalc::runtime {
namespace {

constexpr wchar_t kWindowClass[] = L"RingcalcForm";
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr int kFirstId = 100;
constexpr UINT kCopy = 1;
constexpr UINT kSelectAll = 2;

// Functions of Windows 10 and later, looked up so that the program still starts on Windows 7, where the
// system's DPI serves.
template <class F> [[nodiscard]] F user32(const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

[[nodiscard]] UINT systemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96U;
}

[[nodiscard]] UINT dpiOf(HWND window) {
    static const auto getDpiForWindow = user32<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    const UINT dpi = getDpiForWindow != nullptr ? getDpiForWindow(window) : 0;
    return dpi != 0 ? dpi : systemDpi();
}

// Twips to pixels at dpi: 1440 twips an inch, so 15 twips a pixel at 96 dpi.
[[nodiscard]] int pixels(int twips, UINT dpi) {
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

// The system's message font at dpi (Windows 10 gives it for any DPI; before, it is scaled from the system's).
[[nodiscard]] LOGFONTW messageFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    static const auto forDpi = user32<BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT)>("SystemParametersInfoForDpi");
    if (forDpi != nullptr && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi) != 0) {
        return metrics.lfMessageFont;
    }
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfHeight =
        MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi), static_cast<int>(systemDpi()));
    return metrics.lfMessageFont;
}

[[nodiscard]] HFONT fontAt(LOGFONTW font, double points, UINT dpi) {
    font.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72.0));
    font.lfWidth = 0;
    return CreateFontIndirectW(&font);
}

// Texts measured with GDI in the message font's family at the window's DPI; the font of the size last asked
// for stays selected, as the rule measures every caption at one size before the next.
class GdiTextMeasure final : public TextMeasure {
public:
    GdiTextMeasure(const LOGFONTW& family, UINT dpi) : m_family(family), m_dpi(dpi), m_dc(CreateCompatibleDC(nullptr)) {
        m_previous = GetCurrentObject(m_dc, OBJ_FONT);
    }
    ~GdiTextMeasure() {
        SelectObject(m_dc, m_previous);
        if (m_font != nullptr) {
            DeleteObject(m_font);
        }
        DeleteDC(m_dc);
    }
    GdiTextMeasure(const GdiTextMeasure&) = delete;
    GdiTextMeasure& operator=(const GdiTextMeasure&) = delete;

    [[nodiscard]] TextExtent extent(std::string_view text, double size) const override {
        if (m_font == nullptr || size != m_size) {
            const HFONT font = fontAt(m_family, size, m_dpi);
            SelectObject(m_dc, font);
            if (m_font != nullptr) {
                DeleteObject(m_font);
            }
            m_font = font;
            m_size = size;
            TEXTMETRICW metrics{};
            GetTextMetricsW(m_dc, &metrics);
            m_height = metrics.tmHeight;
        }
        const std::wstring wide = wideText(text);
        SIZE extent{};
        GetTextExtentPoint32W(m_dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
        return {static_cast<double>(extent.cx), static_cast<double>(m_height)};
    }

private:
    LOGFONTW m_family;
    UINT m_dpi;
    HDC m_dc;
    HGDIOBJ m_previous = nullptr;
    mutable HFONT m_font = nullptr;
    mutable double m_size = 0;
    mutable LONG m_height = 0;
};

[[nodiscard]] bool framed(const ControlDescription& d) {
    return d.border == BorderStyle::FixedSingle;
}

} // namespace

Form::Native::Native(const WindowDescription& description) : m_description(description) {
    // The window class's procedure is set here, where it can name the private member.
    static const ATOM windowClass = [] {
        WNDCLASSEXW c{};
        c.cbSize = sizeof c;
        c.style = CS_HREDRAW | CS_VREDRAW;
        c.lpfnWndProc = windowProc;
        c.hInstance = GetModuleHandleW(nullptr);
        c.hIcon = LoadIconW(c.hInstance, MAKEINTRESOURCEW(1));
        c.hIconSm = static_cast<HICON>(LoadImageW(c.hInstance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                  GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
        c.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
        c.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        c.lpszClassName = kWindowClass;
        return RegisterClassExW(&c);
    }();
    (void)windowClass;
    m_background = GetSysColorBrush(COLOR_BTNFACE);

    // Every control is checked before any window is made, so a bad description leaves none behind.
    for (const auto& d : description.controls) {
        m_controls.push_back({d, nullptr, kFirstId + static_cast<int>(m_controls.size()), {}});
    }
    for (const auto& d : description.controls) {
        if (!d.labelFor.empty()) {
            if (d.kind != ControlKind::Label) {
                throw RuntimeError(ErrorKind::InvalidArgument, d.name); // only a label names another control
            }
            (void)find(d.labelFor);
        }
    }
    if (!description.defaultButton.empty()) {
        const Control& button = find(description.defaultButton);
        if (button.description.kind != ControlKind::Button) {
            throw RuntimeError(ErrorKind::InvalidArgument, description.defaultButton);
        }
        m_defaultId = button.id;
    }

    // Built at the system's DPI in its final size, each control in its place: every later move of a window
    // costs Wine a round trip to its server. A window that comes up on a screen of another DPI is placed again.
    m_dpi = systemDpi();
    computePlaces();
    const SIZE frame = frameSize();
    const std::wstring title = wideText(description.caption);
    m_window = CreateWindowExW(0, kWindowClass, title.c_str(), kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, frame.cx,
                               frame.cy, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (m_window == nullptr) {
        throw RuntimeError(ErrorKind::InvalidArgument, description.name);
    }
    const UINT systemDpiValue = m_dpi;
    m_dpi = dpiOf(m_window);

    // The focus goes round the controls in the order of their tab indexes, which Windows takes from their
    // order; a label stands just before the box it names, so screen readers name the box by it.
    std::vector<std::size_t> order(m_controls.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return m_controls[a].description.tabIndex < m_controls[b].description.tabIndex;
    });
    std::vector<std::size_t> zOrder;
    for (const std::size_t i : order) {
        const auto& d = m_controls[i].description;
        if (d.kind == ControlKind::Label && !d.labelFor.empty()) {
            continue; // placed with the control it names
        }
        for (const std::size_t j : order) {
            if (m_controls[j].description.labelFor == d.name) {
                zOrder.push_back(j);
            }
        }
        zOrder.push_back(i);
    }
    for (const std::size_t i : zOrder) {
        Control& c = m_controls[i];
        const auto& d = c.description;
        const std::wstring caption = wideText(d.caption);
        const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id));
        DWORD style = WS_CHILD | WS_VISIBLE;
        DWORD exStyle = 0;
        const wchar_t* kind = L"STATIC";
        switch (d.kind) {
        case ControlKind::TextBox:
            kind = L"EDIT";
            style |= WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case ControlKind::Button:
            kind = L"BUTTON";
            style |= WS_TABSTOP | static_cast<DWORD>(m_defaultId == c.id ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
            break;
        case ControlKind::Label:
            if (d.selectable) {
                // A read-only box without a frame or a Tab stop: the mouse selects in it, Ctrl+C copies.
                kind = L"EDIT";
                style |= ES_READONLY | ES_AUTOHSCROLL | ES_LEFT;
            } else {
                style |= SS_NOPREFIX | (d.alignment == TextAlignment::Center ? SS_CENTER : SS_LEFT);
            }
            break;
        }
        const RECT r = controlRect(c);
        c.hwnd = CreateWindowExW(exStyle, kind, caption.c_str(), style, r.left, r.top, r.right - r.left,
                                 r.bottom - r.top, m_window, id, GetModuleHandleW(nullptr), nullptr);
        if (d.kind == ControlKind::TextBox) {
            SendMessageW(c.hwnd, EM_SETLIMITTEXT, 0, 0); // no limit of its own
        }
        if (d.kind == ControlKind::Label && d.selectable) {
            SetWindowSubclass(c.hwnd, selectableProc, 0, 0);
        }
        if (m_firstFocus == nullptr && d.kind != ControlKind::Label) {
            m_firstFocus = c.hwnd;
        }
    }
    if (m_dpi != systemDpiValue) {
        placeControls();
    }
    chooseFont();
}

Form::Native::~Native() {
    if (m_window != nullptr) {
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0); // no message reaches this object while it goes
        DestroyWindow(m_window);
    }
    if (m_font != nullptr) {
        DeleteObject(m_font);
    }
}

SIZE Form::Native::frameSize() const {
    RECT client{0, 0, pixels(m_description.clientWidth, m_dpi), pixels(m_description.clientHeight, m_dpi)};
    static const auto adjustForDpi =
        user32<BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    if (adjustForDpi != nullptr) {
        adjustForDpi(&client, kWindowStyle, FALSE, 0, m_dpi);
    } else {
        AdjustWindowRectEx(&client, kWindowStyle, FALSE, 0);
    }
    return {client.right - client.left, client.bottom - client.top};
}

void Form::Native::computePlaces() {
    for (Control& c : m_controls) {
        const auto& d = c.description;
        c.place = {pixels(d.left, m_dpi), pixels(d.top, m_dpi), pixels(d.left + d.width, m_dpi),
                   pixels(d.top + d.height, m_dpi)};
    }
}

// The frame of a framed control is drawn around it by the window.
RECT Form::Native::controlRect(const Control& c) {
    const int inset = framed(c.description) ? 1 : 0;
    return {c.place.left + inset, c.place.top + inset, c.place.right - inset, c.place.bottom - inset};
}

void Form::Native::placeControls() {
    const SIZE frame = frameSize();
    SetWindowPos(m_window, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    computePlaces();
    for (const Control& c : m_controls) {
        const RECT r = controlRect(c);
        SetWindowPos(c.hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// The message font's family at the largest size, no larger than the system's, at which every caption of a
// fixed-size control fits, as on every platform.
void Form::Native::chooseFont() {
    const LOGFONTW family = messageFont(m_dpi);
    const double systemPoints = -family.lfHeight * 72.0 / m_dpi;
    const int margin = MulDiv(4, static_cast<int>(m_dpi), 96); // a themed button's frame and focus rectangle
    std::vector<TextRoom> rooms;
    for (const Control& c : m_controls) {
        const auto& d = c.description;
        if (d.autoSize) {
            continue;
        }
        const double width = c.place.right - c.place.left;
        const double height = c.place.bottom - c.place.top;
        switch (d.kind) {
        case ControlKind::TextBox:
            // Inside its sunken edge a text box keeps a pixel free above and below its line.
            rooms.push_back({{}, width, height - 2 * GetSystemMetrics(SM_CYEDGE) - 2});
            break;
        case ControlKind::Button:
            rooms.push_back({std::string(d.caption), width - 2 * margin, height - 2 * margin});
            break;
        case ControlKind::Label:
            rooms.push_back({std::string(d.caption), width, height});
            break;
        }
    }
    m_fontPoints = fittedFontSize(GdiTextMeasure(family, m_dpi), rooms, fontSteps(systemPoints, true, m_dpi));
    const HFONT font = fontAt(family, m_fontPoints, m_dpi);
    for (Control& c : m_controls) {
        SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (c.description.selectable) {
            SendMessageW(c.hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0); // a new font brings its own
        }
    }
    if (m_font != nullptr) {
        DeleteObject(m_font);
    }
    m_font = font;
    for (Control& c : m_controls) {
        if (c.description.autoSize) {
            fitToCaption(c);
        }
    }
    InvalidateRect(m_window, nullptr, TRUE);
}

// The caption on one line plus the frame, wider or narrower; the left and top stay.
void Form::Native::fitToCaption(Control& control) {
    const HDC dc = GetDC(control.hwnd);
    const HGDIOBJ previous = SelectObject(dc, m_font);
    const int length = GetWindowTextLengthW(control.hwnd);
    std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(control.hwnd, caption.data(), length + 1);
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.c_str(), length, &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(control.hwnd, dc);

    RECT old = control.place;
    const int inset = framed(control.description) ? 1 : 0;
    // A box keeps room for its caret after the last character.
    const int caret = control.description.selectable ? 2 : 0;
    control.place.right = control.place.left + extent.cx + caret + 2 * inset;
    control.place.bottom = control.place.top + metrics.tmHeight + 2 * inset;
    SetWindowPos(control.hwnd, nullptr, control.place.left + inset, control.place.top + inset, extent.cx + caret,
                 metrics.tmHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    UnionRect(&old, &old, &control.place);
    InvalidateRect(m_window, &old, TRUE);
}

void Form::Native::paintBorders(HDC dc) const {
    // A black frame of one pixel: the theme's frame colour (WS_BORDER) is grey on some systems.
    const HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    for (const Control& c : m_controls) {
        if (framed(c.description)) {
            FrameRect(dc, &c.place, black);
        }
    }
}

const Form::Native::Control& Form::Native::find(std::string_view name) const {
    const auto found = std::find_if(m_controls.begin(), m_controls.end(),
                                    [name](const Control& c) { return c.description.name == name; });
    if (found == m_controls.end()) {
        throw RuntimeError(ErrorKind::InvalidArgument, name);
    }
    return *found;
}

const Form::Native::Control* Form::Native::findById(int id) const {
    const auto found =
        std::find_if(m_controls.begin(), m_controls.end(), [id](const Control& c) { return c.id == id; });
    return found == m_controls.end() ? nullptr : &*found;
}

const Form::Native::Control* Form::Native::findByHandle(HWND hwnd) const {
    const auto found =
        std::find_if(m_controls.begin(), m_controls.end(), [hwnd](const Control& c) { return c.hwnd == hwnd; });
    return found == m_controls.end() ? nullptr : &*found;
}

HWND Form::Native::control(std::string_view name) const {
    return find(name).hwnd;
}

RECT Form::Native::placeOf(std::string_view name) const {
    return find(name).place;
}

std::string Form::Native::captionFor(std::string_view name) const {
    (void)find(name);
    for (const Control& c : m_controls) {
        if (c.description.labelFor == name) {
            return text(c.description.name);
        }
    }
    return std::string(name);
}

std::string Form::Native::text(std::string_view name) const {
    const HWND hwnd = control(name);
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return utf8Text(text);
}

void Form::Native::setCaption(std::string_view name, std::string_view caption) {
    Control& c = m_controls[static_cast<std::size_t>(find(name).id - kFirstId)]; // ids follow the description
    const std::wstring wide = wideText(caption);
    SetWindowTextW(c.hwnd, wide.c_str());
    if (c.description.autoSize) {
        fitToCaption(c);
    }
}

void Form::Native::show() {
    ShowWindow(m_window, SW_SHOW);
    UpdateWindow(m_window);
    if (m_firstFocus != nullptr) {
        SetFocus(m_firstFocus);
    }
}

LRESULT CALLBACK Form::Native::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        static_cast<Native*>(create->lpCreateParams)->m_window = hwnd;
    }
    auto* self = reinterpret_cast<Native*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT Form::Native::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (const Control* c = findById(LOWORD(wParam)); c != nullptr && lParam != 0 && onCommand) {
            onCommand(c->description.name, HIWORD(wParam));
        }
        return 0; // Escape's IDCANCEL from the dialog manager among them: it does nothing
    case DM_GETDEFID:
        // Enter in a text box presses the default button.
        return m_defaultId ? MAKELRESULT(*m_defaultId, DC_HASDEFID) : 0;
    case WM_CTLCOLORSTATIC: {
        // Labels and the read-only result box: their own text colour on the window's background.
        const auto dc = reinterpret_cast<HDC>(wParam);
        if (const Control* c = findByHandle(reinterpret_cast<HWND>(lParam));
            c != nullptr && c->description.foreColour) {
            SetTextColor(dc, *c->description.foreColour); // 0x00BBGGRR is Windows' own COLORREF
        }
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(m_background);
    }
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(m_window, &paint);
        paintBorders(dc);
        EndPaint(m_window, &paint);
        return 0;
    }
    case WM_DPICHANGED: {
        m_dpi = HIWORD(wParam);
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(m_window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        placeControls();
        chooseFont();
        return 0;
    }
    case WM_CLOSE:
        DestroyWindow(m_window);
        return 0;
    case WM_DESTROY:
        m_window = nullptr;
        PostQuitMessage(0); // the only window is gone: the program ends
        return 0;
    case WM_ENDSESSION:
        if (wParam != 0) {
            ExitProcess(0); // the session ends: Windows ends the process after this returns anyway
        }
        return 0;
    default:
        return DefWindowProcW(m_window, message, wParam, lParam);
    }
}

// The result line's own menu, in the program's language: copy what is selected, select all.
LRESULT CALLBACK Form::Native::selectableProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                              DWORD_PTR /*data*/) {
    if (message == WM_CONTEXTMENU) {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        const HMENU menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING | (start == end ? MF_GRAYED : 0U), kCopy, L"Копировать\tCtrl+C");
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, kSelectAll, L"Выделить всё");
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (lParam == -1) { // from the keyboard: at the box's corner
            at = {0, 0};
            ClientToScreen(hwnd, &at);
        }
        const auto chosen =
            static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd, nullptr));
        DestroyMenu(menu);
        if (chosen == kCopy) {
            SendMessageW(hwnd, WM_COPY, 0, 0);
        } else if (chosen == kSelectAll) {
            SendMessageW(hwnd, EM_SETSEL, 0, -1);
        }
        return 0;
    }
    if (message == WM_KEYDOWN && wParam == 'A' && GetKeyState(VK_CONTROL) < 0) {
        SendMessageW(hwnd, EM_SETSEL, 0, -1);
        return 0;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

Form::Form(const WindowDescription& description) : m_native(std::make_unique<Native>(description)) {}

Form::~Form() = default;

std::string Form::captionFor(std::string_view name) const {
    return m_native->captionFor(name);
}

std::string Form::text(std::string_view name) const {
    return m_native->text(name);
}

void Form::setCaption(std::string_view name, std::string_view caption) {
    m_native->setCaption(name, caption);
}

void Form::show() {
    m_native->show();
}

} // namespace ringcalc::runtime
