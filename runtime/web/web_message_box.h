// The message box of the page.
#pragma once

#include "runtime/message_box.h"

namespace ringcalc::runtime {

/// A modal <dialog> of the page (role alertdialog, named by its title, described by its text), with the
/// page behind it inert; closing it gives the focus back where it was. A page cannot wait for the user
/// inside an action, so show() returns at once with the box still up, as message_box.h allows, returning
/// the box's first button; a box asked for while another is up comes after it.
class WebMessageBox final : public MessageBoxService {
public:
    int show(std::string_view prompt, int style, std::string_view title) override;
};

} // namespace ringcalc::runtime
