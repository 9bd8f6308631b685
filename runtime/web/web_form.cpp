// Building a window and its controls from a description as elements of the page, and the window's events.
#include "runtime/web/web_form.h"

#include "runtime/font_fit.h"
#include "runtime/start_failure.h"
#include "runtime/web/web_font.h"
#include "runtime/web/web_text.h"
#include "runtime/window_rules.h"

#include <emscripten.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace ringcalc::runtime {
namespace {

// The elements of a window, found by the control's name, which is also its element's id. A window is made
// hidden, as on the desktop, until it is shown: the page then works out its style once, with its font, rather
// than once for the controls' insets and again when the font is set (about 1.4 ms of the start).
EM_JS(void, webCreateWindow,
      (const char* name, int nameSize, const char* caption, int captionSize, int width, int height), {
          const window = document.createElement("div");
          const title = UTF8ToString(caption, captionSize);
          window.id = UTF8ToString(name, nameSize);
          window.className = "rc-window";
          window.setAttribute("role", "group");
          window.setAttribute("aria-label", title);
          window.style.cssText = "display:none;width:" + width + "px;height:" + height + "px";
          document.title = title;
          document.getElementById("rc-screen").appendChild(window);
      });

EM_JS(void, webCreateControl,
      (const char* window, int windowSize, int self, int index, int kind, const char* name, int nameSize,
       const char* caption, int captionSize, int left, int top, int width, int height, int colour, int centred,
       int framed, const char* labelFor, int labelForSize, int autoSize, const char* defaultButton,
       int defaultButtonSize, int narrowOrder),
      {
          const parent = document.getElementById(UTF8ToString(window, windowSize));
          const id = UTF8ToString(name, nameSize);
          const text = UTF8ToString(caption, captionSize);
          let element;
          if (kind == 0) {
              element = document.createElement("input");
              element.type = "text";
              element.value = text;
              element.setAttribute("inputmode", "decimal");
              element.setAttribute("autocomplete", "off");
              element.setAttribute("spellcheck", "false");
              const fire = function() {
                  Module["_ringcalcWebFire"](self, index, 1);
              };
              element.addEventListener("input", fire);
              const byEnter = UTF8ToString(defaultButton, defaultButtonSize);
              element.addEventListener(
                  "keydown", function(event) {
                      if (event.key == "Enter" && byEnter) {
                          event.preventDefault();
                          document.getElementById(byEnter).click();
                      }
                  });
          } else if (kind == 1) {
              element = document.createElement("button");
              element.type = "button";
              element.textContent = text;
              element.addEventListener(
                  "click", function() { Module["_ringcalcWebFire"](self, index, 0); });
          } else {
              const names = UTF8ToString(labelFor, labelForSize);
              element = document.createElement(names ? "label" : "span");
              if (names) {
                  element.htmlFor = names;
              }
              element.textContent = text;
              if (autoSize) {
                  element.setAttribute("aria-live", "polite");
              }
          }
          element.id = id;
          // The classes and the place each in one assignment: the style is parsed once, not once a property.
          element.className = "rc-control" + (autoSize ? " rc-fit" : "") + (centred ? " rc-centred" : "") +
                              (framed ? " rc-framed" : "");
          let place = "order:" + narrowOrder + ";left:" + left + "px;top:" + top + "px";
          if (!autoSize) {
              place += ";width:" + width + "px;height:" + height + "px";
          }
          if (colour >= 0) {
              place +=
                  ";color:rgb(" + (colour & 255) + "," + ((colour >> 8) & 255) + "," + ((colour >> 16) & 255) + ")";
          }
          element.style.cssText = place;
          parent.appendChild(element);
      });

EM_JS(void, webRemoveWindow, (const char* name, int nameSize), {
    const window = document.getElementById(UTF8ToString(name, nameSize));
    if (window) {
        window.remove();
    }
});

EM_JS(char*, webText, (const char* name, int nameSize, int* length), {
    const element = document.getElementById(UTF8ToString(name, nameSize));
    const text = element ? (element.tagName == "INPUT" ? element.value : element.textContent) : "";
    const size = lengthBytesUTF8(text);
    const buffer = _malloc(size + 1);
    stringToUTF8(text, buffer, size + 1);
    HEAP32[length >> 2] = size;
    return buffer;
});

EM_JS(void, webSetText, (const char* name, int nameSize, const char* text, int size), {
    const element = document.getElementById(UTF8ToString(name, nameSize));
    const value = UTF8ToString(text, size);
    if (element.tagName == "INPUT") {
        element.value = value;
        element.dispatchEvent(new Event("input"));
    } else {
        element.textContent = value;
    }
});

EM_JS(void, webShowWindow, (const char* name, int nameSize),
      { document.getElementById(UTF8ToString(name, nameSize)).style.display = ""; });

EM_JS(void, webFocus, (const char* name, int nameSize),
      { document.getElementById(UTF8ToString(name, nameSize)).focus(); });

EM_JS(void, webSetFont, (const char* window, int windowSize, double size),
      { document.getElementById(UTF8ToString(window, windowSize)).style.fontSize = size + "px"; });

// What the page's style keeps of a control's place before its text, on each side: its padding and border.
EM_JS(void, webInsets, (const char* name, int nameSize, double* insets), {
    const style = getComputedStyle(document.getElementById(UTF8ToString(name, nameSize)));
    const sides = [ "left", "top", "right", "bottom" ];
    for (let side = 0; side < 4; side++) {
        HEAPF64[(insets >> 3) + side] =
            parseFloat(style["padding-" + sides[side]]) + parseFloat(style["border-" + sides[side] + "-width"]);
    }
});

[[nodiscard]] int kindCode(ControlKind kind) noexcept {
    switch (kind) {
    case ControlKind::TextBox:
        return 0;
    case ControlKind::Button:
        return 1;
    case ControlKind::Label:
        break;
    }
    return 2;
}

// Where the window is laid out for a narrow screen, one control a line in the order of focus, each caption
// under the box it names, and what names nothing last.
[[nodiscard]] std::vector<int> narrowOrder(const WindowDescription& description) {
    const std::vector<std::size_t> focus = focusOrder(description);
    const auto rank = [&focus](std::size_t control) {
        return static_cast<int>(std::find(focus.begin(), focus.end(), control) - focus.begin());
    };
    std::vector<int> order(description.controls.size(), 2 * static_cast<int>(focus.size()));
    for (std::size_t i = 0; i < description.controls.size(); ++i) {
        const ControlDescription& d = description.controls[i];
        if (takesFocus(d)) {
            order[i] = 2 * rank(i);
        } else if (!d.labelFor.empty()) {
            order[i] = 2 * rank(controlIndex(description, d.labelFor)) + 1;
        }
    }
    return order;
}

[[nodiscard]] const WindowDescription& checked(const WindowDescription& description) {
    checkDescription(description);
    return description;
}

} // namespace

// Every rule is checked before the window is made, so a bad description leaves none behind.
Form::Native::Native(const WindowDescription& description) : m_description(checked(description)) {
    const std::string_view name = description.name;
    webCreateWindow(name.data(), textLength(name), description.caption.data(), textLength(description.caption),
                    twipsToPixels(description.clientWidth), twipsToPixels(description.clientHeight));
    // The page's order is the order of focus, and each caption comes just before the box it names.
    const std::string_view byEnter = description.defaultButton;
    const std::vector<int> narrow = narrowOrder(description);
    for (const std::size_t i : creationOrder(description)) {
        const ControlDescription& d = description.controls[i];
        webCreateControl(name.data(), textLength(name), static_cast<int>(reinterpret_cast<std::uintptr_t>(this)),
                         static_cast<int>(i), kindCode(d.kind), d.name.data(), textLength(d.name), d.caption.data(),
                         textLength(d.caption), twipsToPixels(d.left), twipsToPixels(d.top), twipsToPixels(d.width),
                         twipsToPixels(d.height), d.foreColour ? static_cast<int>(*d.foreColour) : -1,
                         d.alignment == TextAlignment::Center ? 1 : 0, d.border == BorderStyle::FixedSingle ? 1 : 0,
                         d.labelFor.data(), textLength(d.labelFor), d.autoSize ? 1 : 0, byEnter.data(),
                         textLength(byEnter), narrow[i]);
    }
    chooseFont();
}

Form::Native::~Native() {
    webRemoveWindow(m_description.name.data(), textLength(m_description.name));
}

// The page's sans-serif family at the largest size, no larger than the page's own, at which every caption of a
// fixed-size control fits inside what the page's style keeps of it.
void Form::Native::chooseFont() {
    std::vector<TextRoom> rooms;
    for (const ControlDescription& d : m_description.controls) {
        std::array<double, 4> sides{};
        webInsets(d.name.data(), textLength(d.name), sides.data());
        const Insets insets{sides[0], sides[1], sides[2], sides[3]};
        if (const auto room = textRoom(d, twipsToPixels(d.width), twipsToPixels(d.height), insets)) {
            rooms.push_back(*room);
        }
    }
    m_fontSize = fittedPageFontSize(rooms);
    webSetFont(m_description.name.data(), textLength(m_description.name), m_fontSize);
}

void Form::Native::fire(std::size_t control, Event event) const {
    if (onEvent) {
        onEvent(control, event);
    }
}

// Form's members, on the window's elements.

Form::Form(const WindowDescription& description)
    : m_description(description), m_native(std::make_unique<Native>(description)) {}

Form::~Form() = default;

std::string Form::text(std::string_view name) const {
    (void)controlNamed(m_description, name);
    int length = 0;
    return takeText(webText(name.data(), textLength(name), &length), length);
}

void Form::setCaption(std::string_view name, std::string_view caption) {
    (void)controlNamed(m_description, name);
    // A label that fits itself does so by its style, on one line.
    webSetText(name.data(), textLength(name), caption.data(), textLength(caption));
}

void Form::show() {
    webShowWindow(m_description.name.data(), textLength(m_description.name));
    if (const auto order = focusOrder(m_description); !order.empty()) {
        const std::string_view first = m_description.controls[order.front()].name;
        webFocus(first.data(), textLength(first));
    }
}

} // namespace ringcalc::runtime

// The page's handlers tell the window of its controls' events here; nothing escapes into the page.
extern "C" EMSCRIPTEN_KEEPALIVE void ringcalcWebFire(int self, int control, int event) {
    auto* native = reinterpret_cast<ringcalc::runtime::Form::Native*>(static_cast<std::uintptr_t>(self));
    try {
        native->fire(static_cast<std::size_t>(control),
                     event == 0 ? ringcalc::runtime::Event::Click : ringcalc::runtime::Event::Change);
    } catch (const std::exception& error) {
        ringcalc::runtime::tellStartFailure("ringcalc",
                                            std::string("ends after an error in its window: ") + error.what());
    } catch (...) {
        ringcalc::runtime::tellStartFailure("ringcalc", "ends after an error in its window");
    }
}
