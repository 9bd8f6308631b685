// The message box of the page, on a modal <dialog>.
#include "runtime/web/web_message_box.h"

#include "runtime/web/web_text.h"

#include <emscripten.h>

#include <algorithm>
#include <string>

namespace ringcalc::runtime {
namespace {

// The box's buttons, by the style's low three bits: their texts and the values they stand for.
EM_JS(void, webShowBox, (const char* prompt, int promptSize, const char* title, int titleSize, int buttons, int icon), {
    const all = [
        [[ "OK", 1 ]], [ [ "OK", 1 ], [ "Отмена", 2 ] ], [ [ "Прервать", 3 ], [ "Повторить", 4 ], [ "Пропустить", 5 ] ],
        [ [ "Да", 6 ], [ "Нет", 7 ], [ "Отмена", 2 ] ], [ [ "Да", 6 ], [ "Нет", 7 ] ],
        [ [ "Повторить", 4 ], [ "Отмена", 2 ] ]
    ];
    const box = {
        prompt : UTF8ToString(prompt, promptSize),
        title : UTF8ToString(title, titleSize),
        buttons : all[buttons] || all[0],
        icon
    };
    const queue = Module["rcBoxes"] || (Module["rcBoxes"] = []);
    queue.push(box);
    if (queue.length > 1) {
        return; // it comes when the one before it is closed
    }
    const dialog = document.getElementById("rc-box");
    const showNext = function() {
        const next = Module["rcBoxes"][0];
        document.getElementById("rc-box-title").textContent = next.title;
        document.getElementById("rc-box-text").textContent = next.prompt;
        document.getElementById("rc-box-icon").hidden = next.icon != 16;
        const row = document.getElementById("rc-box-buttons");
        row.replaceChildren();
        for (const pair of next.buttons) {
            const button = document.createElement("button");
            button.type = "button";
            button.textContent = pair[0];
            button.value = pair[1];
            button.addEventListener(
                "click", function() { dialog.rcDone(); });
            row.appendChild(button);
        }
        dialog.rcFocusBefore = dialog.open ? dialog.rcFocusBefore : document.activeElement;
        if (!dialog.open) {
            dialog.showModal();
        }
        row.firstChild.focus();
    };
    if (!dialog.rcDone) {
        // A box leaves the queue the moment it is answered, not when the dialog's close event comes a task
        // later: a box asked for in between (by a key typed at once) would wait for that event, unseen.
        dialog.rcDone = function() {
            const waiting = Module["rcBoxes"];
            waiting.shift();
            if (waiting.length > 0) {
                showNext();
                return;
            }
            dialog.close();
            const before = dialog.rcFocusBefore;
            if (before && before.isConnected) {
                before.focus();
            }
        };
        dialog.addEventListener(
            "cancel", function(event) {
                event.preventDefault();
                dialog.rcDone();
            });
        // Where the browser lets Escape close the dialog regardless, a box still waiting is shown again.
        dialog.addEventListener(
            "close", function() {
                if (Module["rcBoxes"].length > 0 && !dialog.open) {
                    showNext();
                }
            });
    }
    showNext();
});

// The values of the first button of each kind of row, which a box that does not wait returns.
[[nodiscard]] int firstButton(int buttons) noexcept {
    switch (buttons) {
    case 2:
        return 3;
    case 3:
    case 4:
        return 6;
    case 5:
        return 4;
    default:
        return kResultOk;
    }
}

} // namespace

int WebMessageBox::show(std::string_view prompt, int style, std::string_view title) {
    // A carriage return, alone or before a line feed, breaks the line.
    std::string text(prompt);
    for (std::size_t at = text.find('\r'); at != std::string::npos; at = text.find('\r', at)) {
        if (at + 1 < text.size() && text[at + 1] == '\n') {
            text.erase(at, 1);
        } else {
            text[at] = '\n';
        }
    }
    const int buttons = style & 7;
    webShowBox(text.data(), textLength(text), title.data(), textLength(title), buttons, style & 0x70);
    return firstButton(buttons);
}

} // namespace ringcalc::runtime
