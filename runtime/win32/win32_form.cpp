// Building a window and its controls from a description with the Win32 API, and the window's own messages.
#include "runtime/win32/win32_form.h"

#include "runtime/runtime_error.h"
#include "runtime/win32/win32_dpi.h"
#include "runtime/win32/win32_font.h"
#include "runtime/win32/win32_resources.h"
#include "runtime/win32/win32_selectable_label.h"
#include "runtime/win32/win32_text.h"
#include "runtime/window_rules.h"

#include <algorithm>
#include <string>

namespace ringcalc::runtime {
namespace {

constexpr wchar_t kWindowClass[] = L"RingcalcForm";
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr int kFirstId = 100;

[[nodiscard]] bool framed(const ControlDescription& d) {
    return d.border == BorderStyle::FixedSingle;
}

// The frame of a framed control is drawn around it by the window: the control itself stands inside.
[[nodiscard]] RECT insideFrame(const ControlDescription& d, const RECT& place) {
    const int inset = framed(d) ? 1 : 0;
    return {place.left + inset, place.top + inset, place.right - inset, place.bottom - inset};
}

// The window class of the program's windows, registered once.
void registerWindowClass(WNDPROC procedure) {
    static const ATOM windowClass = [procedure] {
        WNDCLASSEXW c{};
        c.cbSize = sizeof c;
        c.style = CS_HREDRAW | CS_VREDRAW;
        c.lpfnWndProc = procedure;
        c.hInstance = GetModuleHandleW(nullptr);
        c.hIcon = LoadIconW(c.hInstance, MAKEINTRESOURCEW(RINGCALC_ICON_GROUP));
        c.hIconSm = static_cast<HICON>(LoadImageW(c.hInstance, MAKEINTRESOURCEW(RINGCALC_ICON_GROUP), IMAGE_ICON,
                                                  GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
        c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        c.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        c.lpszClassName = kWindowClass;
        return RegisterClassExW(&c);
    }();
    (void)windowClass;
}

// The window class and styles of a control of the description.
struct ControlClass {
    const wchar_t* className = L"STATIC";
    DWORD style = 0;
    DWORD exStyle = 0;
};

[[nodiscard]] ControlClass controlClass(const ControlDescription& d, bool isDefault) {
    switch (d.kind) {
    case ControlKind::TextBox:
        return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE};
    case ControlKind::Button:
        return {L"BUTTON", WS_TABSTOP | static_cast<DWORD>(isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0};
    case ControlKind::Label:
        break;
    }
    if (d.selectable) {
        return {L"EDIT", kSelectableLabelStyle, 0};
    }
    return {L"STATIC", static_cast<DWORD>(SS_NOPREFIX | (d.alignment == TextAlignment::Center ? SS_CENTER : SS_LEFT)),
            0};
}

[[nodiscard]] std::wstring windowText(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

} // namespace

Form::Native::Native(const WindowDescription& description) : m_description(description) {
    // Every rule is checked before any window is made, so a bad description leaves none behind.
    checkDescription(description);
    registerWindowClass(windowProc);
    m_background = GetSysColorBrush(COLOR_BTNFACE);
    for (const auto& d : description.controls) {
        m_controls.push_back({&d, nullptr, kFirstId + static_cast<int>(m_controls.size()), {}});
    }
    if (!description.defaultButton.empty()) {
        m_defaultId = find(description.defaultButton).id;
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
    const UINT createdAt = m_dpi;
    m_dpi = dpiForWindow(m_window);

    // Windows takes the focus order from the order in which the controls are made, and names a box by the
    // label just before it.
    for (const std::size_t i : creationOrder(description)) {
        Control& c = m_controls[i];
        const ControlDescription& d = *c.description;
        const ControlClass kind = controlClass(d, m_defaultId == c.id);
        const std::wstring caption = wideText(d.caption);
        const RECT r = insideFrame(d, c.place);
        c.hwnd =
            CreateWindowExW(kind.exStyle, kind.className, caption.c_str(), WS_CHILD | WS_VISIBLE | kind.style, r.left,
                            r.top, r.right - r.left, r.bottom - r.top, m_window,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), GetModuleHandleW(nullptr), nullptr);
        if (d.kind == ControlKind::TextBox) {
            SendMessageW(c.hwnd, EM_SETLIMITTEXT, 0, 0); // no limit of its own
        }
        if (d.kind == ControlKind::Label && d.selectable) {
            makeSelectable(c.hwnd);
        }
    }
    if (const auto order = focusOrder(description); !order.empty()) {
        m_firstFocus = m_controls[order.front()].hwnd;
    }
    if (m_dpi != createdAt) {
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
    const int dpi = static_cast<int>(m_dpi);
    RECT client{0, 0, twipsToPixels(m_description.clientWidth, dpi), twipsToPixels(m_description.clientHeight, dpi)};
    adjustWindowRectForDpi(client, kWindowStyle, 0, m_dpi);
    return {client.right - client.left, client.bottom - client.top};
}

void Form::Native::computePlaces() {
    const int dpi = static_cast<int>(m_dpi);
    for (Control& c : m_controls) {
        const ControlDescription& d = *c.description;
        c.place = {twipsToPixels(d.left, dpi), twipsToPixels(d.top, dpi), twipsToPixels(d.left + d.width, dpi),
                   twipsToPixels(d.top + d.height, dpi)};
    }
}

void Form::Native::placeControls() {
    const SIZE frame = frameSize();
    SetWindowPos(m_window, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    computePlaces();
    for (const Control& c : m_controls) {
        const RECT r = insideFrame(*c.description, c.place);
        SetWindowPos(c.hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// The message font's family at the largest size, no larger than the system's, at which every caption of a
// fixed-size control fits, as on every platform.
void Form::Native::chooseFont() {
    const int margin = MulDiv(4, static_cast<int>(m_dpi), 96); // a themed button's frame and focus rectangle
    std::vector<TextRoom> rooms;
    for (const Control& c : m_controls) {
        const ControlDescription& d = *c.description;
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
    const HFONT font = fontAt(messageFont(m_dpi), fittedFontPoints(rooms, m_dpi), m_dpi);
    for (const Control& c : m_controls) {
        SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (c.description->selectable) {
            SendMessageW(c.hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0); // a new font brings its own
        }
    }
    if (m_font != nullptr) {
        DeleteObject(m_font);
    }
    m_font = font;
    for (Control& c : m_controls) {
        if (c.description->autoSize) {
            fitToCaption(c);
        }
    }
    InvalidateRect(m_window, nullptr, TRUE);
}

// The caption on one line plus the frame, wider or narrower; the left and top stay.
void Form::Native::fitToCaption(Control& control) {
    const HDC dc = GetDC(control.hwnd);
    const HGDIOBJ previous = SelectObject(dc, m_font);
    const std::wstring caption = windowText(control.hwnd);
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(control.hwnd, dc);

    RECT old = control.place;
    const int inset = framed(*control.description) ? 1 : 0;
    // A box keeps room for its caret after the last character.
    const int caret = control.description->selectable ? 2 : 0;
    control.place.right = control.place.left + extent.cx + caret + 2 * inset;
    control.place.bottom = control.place.top + metrics.tmHeight + 2 * inset;
    SetWindowPos(control.hwnd, nullptr, control.place.left + inset, control.place.top + inset, extent.cx + caret,
                 metrics.tmHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    UnionRect(&old, &old, &control.place);
    InvalidateRect(m_window, &old, TRUE);
}

void Form::Native::paintBorders(HDC dc) const {
    // A black frame of one pixel: the theme's frame colour (WS_BORDER) is grey on some systems.
    auto* const black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    for (const Control& c : m_controls) {
        if (framed(*c.description)) {
            FrameRect(dc, &c.place, black);
        }
    }
}

Form::Native::Control& Form::Native::find(std::string_view name) {
    return m_controls[controlIndex(m_description, name)];
}

const Form::Native::Control& Form::Native::find(std::string_view name) const {
    return m_controls[controlIndex(m_description, name)];
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
    return self->onMessage(hwnd, message, wParam, lParam);
}

LRESULT Form::Native::onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (const Control* c = findById(LOWORD(wParam)); c != nullptr && lParam != 0 && onCommand) {
            onCommand(c->description->name, HIWORD(wParam));
        }
        return 0; // Escape's IDCANCEL from the dialog manager among them: it does nothing
    case DM_GETDEFID:
        // Enter in a text box presses the default button.
        return m_defaultId ? MAKELRESULT(*m_defaultId, DC_HASDEFID) : 0;
    case WM_CTLCOLORSTATIC: {
        // Labels and the read-only result box: their own text colour on the window's background.
        auto* const dc = reinterpret_cast<HDC>(wParam);
        if (const Control* c = findByHandle(reinterpret_cast<HWND>(lParam));
            c != nullptr && c->description->foreColour) {
            SetTextColor(dc, *c->description->foreColour); // 0x00BBGGRR is Windows' own COLORREF
        }
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(m_background);
    }
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(hwnd, &paint);
        paintBorders(dc);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_DPICHANGED: {
        m_dpi = HIWORD(wParam);
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        placeControls();
        chooseFont();
        return 0;
    }
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
        // The procedure's own handle: after WM_DESTROY the window's member is null, but WM_NCDESTROY follows.
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

// Form's members, on the window's controls.

Form::Form(const WindowDescription& description)
    : m_description(description), m_native(std::make_unique<Native>(description)) {}

Form::~Form() = default;

std::string Form::text(std::string_view name) const {
    return utf8Text(windowText(m_native->control(name)));
}

void Form::setCaption(std::string_view name, std::string_view caption) {
    Native::Control& c = m_native->find(name);
    const std::wstring wide = wideText(caption);
    SetWindowTextW(c.hwnd, wide.c_str());
    if (c.description->autoSize) {
        m_native->fitToCaption(c);
    }
}

void Form::show() {
    ShowWindow(m_native->m_window, SW_SHOW);
    UpdateWindow(m_native->m_window);
    if (m_native->m_firstFocus != nullptr) {
        SetFocus(m_native->m_firstFocus);
    }
}

} // namespace ringcalc::runtime
