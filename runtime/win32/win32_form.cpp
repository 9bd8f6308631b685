// Building a window and its controls from a description with the Win32 API, and the window's own messages.
#include "runtime/win32/win32_form.h"

#include "runtime/runtime_error.h"
#include "runtime/win32/win32_accessible.h"
#include "runtime/win32/win32_dpi.h"
#include "runtime/win32/win32_font.h"
#include "runtime/win32/win32_selectable_label.h"
#include "runtime/win32/win32_text.h"
#include "runtime/window_rules.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <utility>

namespace ringcalc::runtime {
namespace {

constexpr wchar_t kWindowClass[] = L"RingcalcForm";
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr int kFirstId = 100;
constexpr UINT kGetDpiScaledSize = 0x02E4; // WM_GETDPISCALEDSIZE, Windows 10 1703

[[nodiscard]] bool framed(const ControlDescription& d) {
    return d.border == BorderStyle::FixedSingle;
}

// A framed label's frame: its one pixel at 96 dpi scaled and rounded, half up, as Qt draws it (two pixels at
// a scale of 1.5 and of 2).
[[nodiscard]] int frameWidthAt(UINT dpi) noexcept {
    return std::max(1, static_cast<int>((dpi + 48) / 96));
}

// The frame of a framed control is drawn around it by the window: the control itself stands inside.
[[nodiscard]] RECT insideFrame(const ControlDescription& d, const RECT& place, UINT dpi) {
    const int inset = framed(d) ? frameWidthAt(dpi) : 0;
    return {place.left + inset, place.top + inset, place.right - inset, place.bottom - inset};
}

[[nodiscard]] bool isArrow(WPARAM key) noexcept {
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

// A platform call that failed, with the system's reason.
[[noreturn]] void throwSystemError(std::string_view subject) {
    const DWORD code = GetLastError();
    throw RuntimeError(ErrorKind::SystemFailure, subject, systemErrorText(code));
}

// The window class of the program's windows, registered once. The icons are each window's, at its DPI.
void registerWindowClass(WNDPROC procedure) {
    static const ATOM windowClass = [procedure] {
        WNDCLASSEXW c{};
        c.cbSize = sizeof c;
        c.style = CS_HREDRAW | CS_VREDRAW;
        c.lpfnWndProc = procedure;
        c.hInstance = GetModuleHandleW(nullptr);
        c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        c.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        c.lpszClassName = kWindowClass;
        return RegisterClassExW(&c);
    }();
    if (windowClass == 0) {
        throwSystemError("RegisterClassExW");
    }
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

} // namespace

Form::Native::Native(const WindowDescription& description) : m_description(description) {
    // Every rule is checked before any window is made, so a bad description leaves none behind.
    checkDescription(description);
    registerWindowClass(windowProc);
    m_inHighContrast = highContrast();
    for (const auto& d : description.controls) {
        m_controls.push_back({&d, nullptr, kFirstId + static_cast<int>(m_controls.size()), {}});
    }
    if (!description.defaultButton.empty()) {
        m_defaultId = find(description.defaultButton).id;
    }

    // Built at the system's DPI in its final size, each control in its place and font: every later move of a
    // window costs Wine a round trip to its server. A window that comes up on a screen of another DPI takes
    // that DPI before its controls are made.
    m_dpi = systemDpi();
    computePlaces();
    const SIZE frame = frameSizeAt(m_dpi);
    const std::wstring title = wideText(description.caption);
    m_window = CreateWindowExW(0, kWindowClass, title.c_str(), kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, frame.cx,
                               frame.cy, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (m_window == nullptr) {
        throwSystemError(description.name);
    }
    if (const UINT createdAt = m_dpi; (m_dpi = dpiForWindow(m_window)) != createdAt) {
        placeControls(true);
    }
    // The font is fitted, and an auto-sized label fitted to its caption, before the controls are made.
    chooseFont();
    createControls();
    if (const auto focus = focusOrder(description); !focus.empty()) {
        m_firstFocus = m_controls[focus.front()].hwnd;
    }
}

// Windows takes the focus order from the order in which the controls are made, and names a box by the label
// just before it.
void Form::Native::createControls() {
    for (const std::size_t i : creationOrder(m_description)) {
        Control& c = m_controls[i];
        const ControlDescription& d = *c.description;
        const ControlClass kind = controlClass(d, m_defaultId == c.id);
        const std::wstring caption = wideText(d.caption);
        const RECT r = insideFrame(d, c.place, m_dpi);
        c.hwnd =
            CreateWindowExW(kind.exStyle, kind.className, caption.c_str(), WS_CHILD | WS_VISIBLE | kind.style, r.left,
                            r.top, r.right - r.left, r.bottom - r.top, m_window,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), GetModuleHandleW(nullptr), nullptr);
        if (c.hwnd == nullptr) {
            throwSystemError(d.name);
        }
        SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
        if (d.kind == ControlKind::TextBox) {
            SendMessageW(c.hwnd, EM_SETLIMITTEXT, 0, 0); // no limit of its own
        }
        if (d.kind == ControlKind::Label && d.selectable) {
            SendMessageW(c.hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0); // its text from the frame on
            makeSelectable(c.hwnd, &onFault);
        }
        if (d.kind != ControlKind::Label) {
            SetWindowSubclass(c.hwnd, controlProc, 0, reinterpret_cast<DWORD_PTR>(this));
        }
    }
}

Form::Native::~Native() {
    m_accessible.reset(); // its annotations go while the window is there
    if (m_window != nullptr) {
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0); // no message reaches this object while it goes
        for (const Control& c : m_controls) {
            RemoveWindowSubclass(c.hwnd, controlProc, 0);
        }
        DestroyWindow(m_window);
    }
    if (m_font != nullptr) {
        DeleteObject(m_font);
    }
}

bool Form::Native::systemHighContrast() noexcept {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != 0 &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

int Form::Native::frameWidth() const noexcept {
    return frameWidthAt(m_dpi);
}

SIZE Form::Native::frameSizeAt(UINT dpi) const {
    const int at = static_cast<int>(dpi);
    RECT client{0, 0, twipsToPixels(m_description.clientWidth, at), twipsToPixels(m_description.clientHeight, at)};
    adjustWindowRectForDpi(client, kWindowStyle, 0, dpi);
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

// Every control at the window's DPI; the window's own size too, unless the system has just given it.
void Form::Native::placeControls(bool resizeWindow) {
    if (resizeWindow) {
        const SIZE frame = frameSizeAt(m_dpi);
        SetWindowPos(m_window, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    computePlaces();
    for (const Control& c : m_controls) {
        if (c.hwnd != nullptr) {
            const RECT r = insideFrame(*c.description, c.place, m_dpi);
            SetWindowPos(c.hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

// The message font's family at the largest size, no larger than the system's, at which every caption of a
// fixed-size control fits, as on every platform.
void Form::Native::chooseFont() {
    const int margin = MulDiv(4, static_cast<int>(m_dpi), 96); // a themed button's frame and focus rectangle
    const int edge = systemMetricForDpi(SM_CYEDGE, m_dpi);
    std::vector<TextRoom> rooms;
    for (const Control& c : m_controls) {
        const ControlDescription& d = *c.description;
        double inset = 0;
        switch (d.kind) {
        case ControlKind::TextBox:
            inset = edge; // its sunken edge
            break;
        case ControlKind::Button:
            inset = margin;
            break;
        case ControlKind::Label:
            inset = framed(d) ? frameWidthAt(m_dpi) : 0;
            break;
        }
        if (const auto room =
                textRoom(d, c.place.right - c.place.left, c.place.bottom - c.place.top, {inset, inset, inset, inset})) {
            rooms.push_back(*room);
        }
    }
    const HFONT font = fontAt(messageFont(m_dpi), fittedFontPoints(rooms, m_dpi), m_dpi);
    for (const Control& c : m_controls) {
        if (c.hwnd == nullptr) {
            continue; // made later, in this font
        }
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
            fitToCaption(c, c.hwnd != nullptr ? windowText(c.hwnd) : wideText(c.description->caption));
        }
    }
    InvalidateRect(m_window, nullptr, TRUE);
}

// The caption on one line plus the frame, wider or narrower; the left and top stay. A control not yet made
// only gets its place.
void Form::Native::fitToCaption(Control& control, const std::wstring& caption) {
    const HDC dc = GetDC(m_window);
    const HGDIOBJ previous = SelectObject(dc, m_font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(m_window, dc);

    RECT old = control.place;
    const int inset = framed(*control.description) ? frameWidthAt(m_dpi) : 0;
    // A box keeps room for its caret after the last character.
    const int caret = control.description->selectable ? 2 : 0;
    control.place.right = control.place.left + extent.cx + caret + 2 * inset;
    control.place.bottom = control.place.top + metrics.tmHeight + 2 * inset;
    if (control.hwnd == nullptr) {
        return;
    }
    SetWindowPos(control.hwnd, nullptr, control.place.left + inset, control.place.top + inset, extent.cx + caret,
                 metrics.tmHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    UnionRect(&old, &old, &control.place);
    InvalidateRect(m_window, &old, TRUE);
}

// As in a dialog box: a focused button is the one Enter presses; elsewhere the default button is, if any.
const Form::Native::Control* Form::Native::pressedByEnter() const {
    if (const Control* focused = findByHandle(GetFocus());
        focused != nullptr && focused->description->kind == ControlKind::Button) {
        return focused;
    }
    return m_defaultId ? findById(*m_defaultId) : nullptr;
}

// The button Enter presses is drawn so.
void Form::Native::focusMovedTo(const Control& control) {
    m_lastFocus = control.hwnd;
    const Control* enter = pressedByEnter();
    for (const Control& c : m_controls) {
        if (c.description->kind != ControlKind::Button) {
            continue;
        }
        const auto wanted = static_cast<DWORD>(&c == enter ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        if ((static_cast<DWORD>(GetWindowLongPtrW(c.hwnd, GWL_STYLE)) & BS_TYPEMASK) != wanted) {
            SendMessageW(c.hwnd, BM_SETSTYLE, wanted, TRUE);
        }
    }
}

// An arrow key on a button goes on to the next control in the focus order, or back, as Tab and Shift+Tab do.
void Form::Native::moveFocus(const Control& from, bool back) {
    const HWND next = GetNextDlgTabItem(m_window, from.hwnd, back ? TRUE : FALSE);
    if (next == nullptr || next == from.hwnd) {
        return;
    }
    SetFocus(next);
    if (const Control* c = findByHandle(next); c != nullptr && c->description->kind == ControlKind::TextBox) {
        SendMessageW(next, EM_SETSEL, 0, -1);
    }
}

// The focus goes back where the user left it, as in a dialog box, not to the window itself.
void Form::Native::restoreFocus() {
    const HWND target = m_lastFocus != nullptr && IsWindow(m_lastFocus) != 0 ? m_lastFocus : m_firstFocus;
    if (target != nullptr && GetFocus() != target) {
        SetFocus(target);
    }
}

// High Contrast switched on or off, or the system's colours changed: everything is drawn again in them.
void Form::Native::followSystemColours() {
    m_inHighContrast = highContrast();
    RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form::Native::onPaint() {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(m_window, &paint);
    // In the window's own colours a black frame: the theme's frame colour (WS_BORDER) is grey on some systems.
    const HBRUSH brush =
        m_inHighContrast ? GetSysColorBrush(COLOR_WINDOWFRAME) : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    const int width = frameWidthAt(m_dpi);
    for (const Control& c : m_controls) {
        if (framed(*c.description)) {
            RECT r = c.place;
            for (int i = 0; i < width; ++i) {
                FrameRect(dc, &r, brush);
                InflateRect(&r, -1, -1);
            }
        }
    }
    EndPaint(m_window, &paint);
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

Form::Native::Control* Form::Native::findById(int id) {
    return const_cast<Control*>(std::as_const(*this).findById(id));
}

Form::Native::Control* Form::Native::findByHandle(HWND hwnd) {
    return const_cast<Control*>(std::as_const(*this).findByHandle(hwnd));
}

std::size_t Form::Native::indexOf(const Control& control) const noexcept {
    return static_cast<std::size_t>(&control - m_controls.data());
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
        // Under per-monitor awareness of the first version (Windows 10 1607), the title bar follows the DPI too.
        enableNonClientDpiScaling(hwnd);
    }
    auto* self = reinterpret_cast<Native*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return guarded(&self->onFault, [&] { return self->onMessage(hwnd, message, wParam, lParam); });
}

LRESULT CALLBACK Form::Native::controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                           DWORD_PTR self) {
    auto* native = reinterpret_cast<Native*>(self);
    return guarded(&native->onFault, [&] {
        Control* c = native->findByHandle(hwnd);
        return c != nullptr ? native->onControlMessage(*c, message, wParam, lParam)
                            : DefSubclassProc(hwnd, message, wParam, lParam);
    });
}

LRESULT Form::Native::onControlMessage(Control& control, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = control.hwnd;
    switch (message) {
    case WM_NCDESTROY:
        // A subclass goes before its control does.
        RemoveWindowSubclass(hwnd, controlProc, 0);
        return DefSubclassProc(hwnd, message, wParam, lParam);
    case WM_SETFOCUS:
        focusMovedTo(control);
        break;
    case WM_GETDLGCODE:
        if (control.description->kind == ControlKind::Button) {
            return DefSubclassProc(hwnd, message, wParam, lParam) | DLGC_WANTARROWS;
        }
        break;
    case WM_KEYDOWN:
        if (control.description->kind == ControlKind::Button && isArrow(wParam)) {
            moveFocus(control, wParam == VK_LEFT || wParam == VK_UP);
            return 0;
        }
        break;
    default:
        break;
    }
    if (control.description->kind != ControlKind::TextBox) {
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    bool changed = false;
    const LRESULT result =
        control.changes.around([&] { return DefSubclassProc(hwnd, message, wParam, lParam); }, changed);
    if (changed && onEvent) {
        onEvent(indexOf(control), Event::Change);
    }
    return result;
}

LRESULT Form::Native::onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        onCommandMessage(wParam, lParam);
        return 0; // Escape's IDCANCEL from the dialog manager among them: it does nothing
    case DM_GETDEFID: {
        // The dialog manager asks it when the focus moves, and sets the buttons' looks by it.
        const Control* enter = pressedByEnter();
        return enter != nullptr ? MAKELRESULT(enter->id, DC_HASDEFID) : 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0) {
            restoreFocus();
        }
        return 0;
    case WM_SETFOCUS:
        restoreFocus();
        return 0;
    case WM_CTLCOLORSTATIC:
        return onColourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_PAINT:
        onPaint();
        return 0;
    case kGetDpiScaledSize: {
        // The size the window will have at the new DPI, so that the system keeps it under the cursor.
        *reinterpret_cast<SIZE*>(lParam) = frameSizeAt(static_cast<UINT>(wParam));
        return TRUE;
    }
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETNONCLIENTMETRICS) {
            chooseFont(); // the user's text size
        } else if (wParam == SPI_SETHIGHCONTRAST) {
            followSystemColours();
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_SYSCOLORCHANGE:
        followSystemColours();
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
        // The procedure's own handle: after WM_DESTROY the window's member is null, but WM_NCDESTROY follows.
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

// A button's click, or a box's change told outside its own handling of a message (by another program, say);
// a change told inside it waits for the end of that message.
void Form::Native::onCommandMessage(WPARAM wParam, LPARAM lParam) {
    Control* c = findById(LOWORD(wParam));
    if (c == nullptr || lParam == 0) {
        return;
    }
    const WORD notification = HIWORD(wParam);
    const ControlKind kind = c->description->kind;
    const bool clicked = kind == ControlKind::Button && notification == BN_CLICKED;
    const bool changed = kind == ControlKind::TextBox && notification == EN_CHANGE && !c->changes.keep();
    if ((clicked || changed) && onEvent) {
        onEvent(indexOf(*c), clicked ? Event::Click : Event::Change);
    }
}

// Labels and the read-only result box: their own text colour on the window's background; in High Contrast
// the system's text colour, as the system asks of every program.
LRESULT Form::Native::onColourStatic(HDC dc, HWND control) const {
    if (m_inHighContrast) {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    } else if (const Control* c = findByHandle(control); c != nullptr && c->description->foreColour) {
        SetTextColor(dc, *c->description->foreColour); // 0x00BBGGRR is Windows' own COLORREF
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)); // the system's, which follows it
}

// The window moved to a screen of another DPI: the system's rectangle once, then every place, the font and
// the icons at the new DPI, without resizing the window again.
void Form::Native::onDpiChanged(UINT dpi, const RECT& suggested) {
    m_dpi = dpi;
    SetWindowPos(m_window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    placeControls(false);
    chooseFont();
    m_icons.setFor(m_window, m_dpi);
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
        m_native->fitToCaption(c, wide);
    }
    if (c.description->selectable) {
        if (!m_native->m_accessible) {
            m_native->m_accessible = std::make_unique<Win32Accessible>();
        }
        m_native->m_accessible->announce(c.hwnd, wide);
    }
}

void Form::show() {
    ShowWindow(m_native->m_window, SW_SHOW);
    // Loading the icons takes a good part of a start: the window is on the screen first.
    m_native->m_icons.setFor(m_native->m_window, m_native->m_dpi);
    UpdateWindow(m_native->m_window);
    if (m_native->m_firstFocus != nullptr) {
        SetFocus(m_native->m_firstFocus);
    }
}

} // namespace ringcalc::runtime
