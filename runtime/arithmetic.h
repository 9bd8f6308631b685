// The arithmetic and the joining of texts that the actions ask of the runtime.
#pragma once

#include <string>
#include <string_view>

namespace ringcalc::runtime {

/// base raised to exponent; the square is the one rounded product base × base.
/// Raises RuntimeError(Overflow) when the result is not finite.
[[nodiscard]] double power(double base, double exponent);

/// left × right, rounded to a double. Raises RuntimeError(Overflow) when the result is not finite.
[[nodiscard]] double product(double left, double right);

/// left − right, rounded to a double. Raises RuntimeError(Overflow) when the result is not finite.
[[nodiscard]] double difference(double left, double right);

/// dividend ÷ divisor, rounded to a double. Raises RuntimeError(DivisionByZero) for a zero divisor and
/// RuntimeError(Overflow) when the result is not finite.
[[nodiscard]] double quotient(double dividend, double divisor);

/// The text of left followed by the text of right.
[[nodiscard]] std::string join(std::string_view left, std::string_view right);

/// The text of left followed by NumberText(right).
[[nodiscard]] std::string join(std::string_view left, double right);

/// The one-character text (UTF-8) for a Unicode code point, such as 13 for a carriage return.
/// Raises RuntimeError(InvalidArgument) for a negative code, a surrogate or one beyond U+10FFFF.
[[nodiscard]] std::string character(int code);

} // namespace ringcalc::runtime
