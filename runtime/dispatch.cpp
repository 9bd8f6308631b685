// The dispatch boundary: where an error that leaves an action is reported.
#include "runtime/dispatch.h"

#include "runtime/pinned.h"
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

// The boxes an action shows belong to its window, whichever window is active when it runs; the owner before
// comes back afterwards, as an action may run inside another's box.
class OwnedBy : private Pinned {
public:
    OwnedBy(MessageBoxService& messageBox, const Form& window) noexcept
        : m_messageBox(messageBox), m_before(messageBox.owner()) {
        m_messageBox.setOwner(&window);
    }
    ~OwnedBy() { m_messageBox.setOwner(m_before); }

private:
    MessageBoxService& m_messageBox;
    const Form* m_before;
};

} // namespace

void dispatch(const Action& action, Form& window, MessageBoxService& messageBox) noexcept {
    // Ending the program here would lose what the user typed: the action stops, the window stays as the
    // action left it, and the user is told why.
    const OwnedBy owned(messageBox, window);
    try {
        action(window, messageBox);
    } catch (const RuntimeError& error) {
        report(messageBox, error.what());
    } catch (const std::bad_alloc&) {
        report(messageBox, kOutOfMemoryText);
    } catch (...) {
        report(messageBox, kInternalErrorText);
    }
}

} // namespace ringcalc::runtime
