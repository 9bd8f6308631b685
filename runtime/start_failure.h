// The one line a program that cannot start leaves where its user sees it.
#pragma once

#include <string_view>

namespace ringcalc::runtime {

/// Writes "<program>: <why>" and a line break on standard error. On Windows, where a program started from
/// Explorer has none, the line goes to the console the program was started from, or else to a message box
/// titled with the program's name. Each window layer compiles its own.
void tellStartFailure(std::string_view program, std::string_view why);

} // namespace ringcalc::runtime
