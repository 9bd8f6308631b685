// The running program in the page: the window and its bindings, start and end.
#include "runtime/program.h"

#include "runtime/bound_actions.h"
#include "runtime/run_program.h"
#include "runtime/web/web_form.h"
#include "runtime/web/web_message_box.h"

#include <emscripten.h>

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

// The bindings, by the control's index and the event, as the window reports them.
struct Program::Native : BoundActions {
    using BoundActions::BoundActions;
};

// Every rule is checked before any window is made, so a bad project leaves none behind.
Program::Program(const ProjectDescriptor& project, MessageBoxService& messageBox)
    : m_messageBox(messageBox), m_native(std::make_unique<Native>(project)) {
    m_form = std::make_unique<Form>(*project.startWindow);
    m_form->native().onEvent = [this](std::size_t control, Event event) {
        m_native->fire(control, event, *m_form, m_messageBox);
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
