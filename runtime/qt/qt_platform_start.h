// Qt's window platform as the application starts: one clear line instead of an abort when none can start.
#pragma once

#include "runtime/pinned.h"

#include <string_view>

namespace ringcalc::runtime {

/// While it lives, Qt's messages are held. When Qt cannot start its window platform (no display, one that
/// cannot be reached, a platform that does not exist), which would print lines that speak of reinstalling
/// and abort with a core dump, one line says what is missing and what to set instead, and the program ends
/// with status 1; when the application is built, the messages held go out as they would have when it goes.
/// Make it just before the QApplication and let it go just after. One at a time.
class PlatformStart : private Pinned {
public:
    explicit PlatformStart(std::string_view program);
    ~PlatformStart();
};

} // namespace ringcalc::runtime
