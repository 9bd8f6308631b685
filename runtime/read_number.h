// ReadNumber: the number at the start of a text.
#pragma once

#include <string_view>

namespace ringcalc::runtime {

/// The number at the start of a text: blanks, a sign, digits, a fraction after '.' or ',', an exponent.
/// Whatever follows the number is ignored; a text that begins with no number reads 0.
/// The value is the correctly rounded double; a magnitude too small for a double reads as zero.
/// Raises RuntimeError(Overflow) when the magnitude is beyond the range of a double.
[[nodiscard]] double ReadNumber(std::string_view text);

} // namespace ringcalc::runtime
