// The running program in the page: the window and its bindings, start and end.
#include "runtime/program.h"

#include "runtime/run_program.h"
#include "runtime/web/web_form.h"
#include "runtime/web/web_message_box.h"
#include "runtime/window_rules.h"

#include <emscripten.h>

#include <vector>

namespace ringcalc::runtime {
namespace {

// The program has ended: its window leaves the page, which says so, and closes where the browser lets it.
EM_JS(void, webEnd, (), {
    const dialog = document.getElementById("rc-box");
    if (dialog.open) {
        Module["rcBoxes"] = [];
        dialog.close();
    }
    const ended = document.createElement("p");
    ended.id = "rc-ended";
    ended.textContent = "Программа завершена. Страницу можно закрыть.";
    document.getElementById("rc-screen").replaceChildren(ended);
    if (window.opener || history.length == 1) {
        window.close(); // where the browser lets a page close itself
    }
});

} // namespace

// The bindings by the control's index in the description and the event.
struct Program::Native {
    struct Bound {
        std::size_t control = 0;
        Event event = Event::Click;
        Action action;
    };
    std::vector<Bound> actions;
};

Program::Program(const ProjectDescriptor& project, MessageBoxService& messageBox)
    : m_messageBox(messageBox), m_native(std::make_unique<Native>()) {
    // Every rule is checked before any window is made, so a bad project leaves none behind.
    checkDescription(*project.startWindow);
    checkBindings(*project.startWindow, project.bindings);
    m_form = std::make_unique<Form>(*project.startWindow);
    for (const auto& binding : project.bindings) {
        m_native->actions.push_back(
            {controlIndex(*project.startWindow, binding.control), binding.event, binding.action});
    }
    m_form->native().onEvent = [this](std::size_t control, Event event) {
        for (const auto& bound : m_native->actions) {
            if (bound.control == control && bound.event == event) {
                dispatch(bound.action, *m_form, m_messageBox);
            }
        }
    };
    m_form->show();
}

Program::~Program() = default;

// The page has no loop of ours: the program stays as the page's handlers call it, until end() or the tab
// goes.
void start(const ProjectDescriptor& project, int /*argc*/, char** /*argv*/) {
    static WebMessageBox messageBox;
    static const std::unique_ptr<Program> program = buildProgram(project, messageBox);
    emscripten_exit_with_live_runtime();
}

void end() {
    webEnd();
}

} // namespace ringcalc::runtime
