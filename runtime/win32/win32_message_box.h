// The message box of Windows.
#pragma once

#include "runtime/message_box.h"

namespace ringcalc::runtime {

/// MessageBoxW, owned by the owner's window and modal to it (to the thread's windows when there is none). The style and
/// the returned button are Windows' own values (16 the stop icon, 0 a single OK button; 1 OK, 2 Cancel...).
class Win32MessageBox final : public MessageBoxService {
public:
    int show(std::string_view prompt, int style, std::string_view title) override;
};

} // namespace ringcalc::runtime
