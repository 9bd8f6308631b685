// The one line a program that cannot start leaves on standard error.
#pragma once

#include <string_view>

namespace ringcalc::runtime {

/// Writes "<program>: <why>" and a line break on standard error.
void tellStartFailure(std::string_view program, std::string_view why);

} // namespace ringcalc::runtime
