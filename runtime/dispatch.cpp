// The dispatch boundary: where an error that leaves an action is reported.
#include "runtime/dispatch.h"

#include "runtime/runtime_error.h"

#include <new>

namespace ringcalc::runtime {
namespace {

void report(MessageBoxService& messageBox, std::string_view text) noexcept {
    try {
        messageBox.show(text, kStyleCritical, kErrorBoxTitle);
    } catch (...) {
        // The box itself failed (out of memory, most likely); there is nothing left to tell the user with.
    }
}

} // namespace

void dispatch(const Action& action, Form& window, MessageBoxService& messageBox) noexcept {
    // Ending the program here would lose what the user typed: the action stops, the window stays as the
    // action left it, and the user is told why.
    try {
        action(window, messageBox);
    } catch (const RuntimeError& error) {
        report(messageBox, error.what());
    } catch (const std::bad_alloc&) {
        report(messageBox, "Недостаточно памяти: действие не выполнено");
    } catch (...) {
        report(messageBox, "Внутренняя ошибка программы: действие не выполнено");
    }
}

} // namespace ringcalc::runtime
