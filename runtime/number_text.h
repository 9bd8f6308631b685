// NumberText: the text of a double in the result line.
#pragma once

#include <string>

namespace ringcalc::runtime {

/// The text of a double as C's "%.15G" writes it in the "C" locale, whatever the process locale:
/// 15 significant digits, no trailing zeros, "1.5E+20" form below 1E-04 or from 1E+15; negative zero is "0".
[[nodiscard]] std::string NumberText(double value);

} // namespace ringcalc::runtime
