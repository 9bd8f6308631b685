// The message box of the desktop.
#pragma once

#include "runtime/message_box.h"

namespace ringcalc::runtime {

/// The message box of the desktop: a modal QMessageBox over the owner's window (the active one when none).
class QtMessageBox final : public MessageBoxService {
public:
    /// Style: the low three bits pick the buttons (0 OK, 1 OK/Cancel, 2 Abort/Retry/Ignore, 3 Yes/No/Cancel,
    /// 4 Yes/No, 5 Retry/Cancel), 16/32/48/64 the critical, question, warning or information icon.
    /// Returns 1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No.
    int show(std::string_view prompt, int style, std::string_view title) override;
};

} // namespace ringcalc::runtime
