// The running program on Win32: the window and its bindings, the message loop, start and end.
#include "runtime/win32/win32_program.h"

#include "runtime/bound_actions.h"
#include "runtime/program.h"
#include "runtime/run_program.h"
#include "runtime/runtime_error.h"
#include "runtime/win32/win32_form.h"
#include "runtime/win32/win32_message_box.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdlib>

namespace ringcalc::runtime {

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
    // What escapes the window's own handling is reported as an action's error is, and the program goes on.
    m_form->native().onFault = [this](const std::exception_ptr& error) {
        dispatch([error](Form&, MessageBoxService&) { std::rethrow_exception(error); }, *m_form, m_messageBox);
    };
    m_form->show();
}

Program::~Program() = default;

// The dialog manager gives the window Tab, Shift+Tab, Enter and Space as a dialog box has them.
int runMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        const HWND window = GetAncestor(message.hwnd, GA_ROOT);
        if (window != nullptr && IsDialogMessageW(window, &message) != 0) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

void start(const ProjectDescriptor& project, int /*argc*/, char** /*argv*/) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    int status = 0;
    {
        Win32MessageBox messageBox;
        status = runProgram(project, messageBox, runMessageLoop);
    }
    std::exit(status);
}

namespace {

BOOL CALLBACK hide(HWND window, LPARAM /*unused*/) {
    ShowWindow(window, SW_HIDE);
    return TRUE;
}

} // namespace

void end() {
    // Its windows go away at once; the loop then returns with status 0.
    EnumThreadWindows(GetCurrentThreadId(), hide, 0);
    PostQuitMessage(0);
}

} // namespace ringcalc::runtime
