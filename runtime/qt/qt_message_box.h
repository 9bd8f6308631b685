// The message box of the desktop.
#pragma once

#include "runtime/message_box.h"

namespace ringcalc::runtime {

/// The message box of the desktop: a modal QMessageBox over the owner's window (the active one when none).
class QtMessageBox final : public MessageBoxService {
public:
    int show(std::string_view prompt, int style, std::string_view title) override;
};

} // namespace ringcalc::runtime
