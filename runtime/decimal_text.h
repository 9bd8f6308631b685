// The two conversions between decimal text and doubles that the number texts are built on. Each has two
// implementations: on the standard library's <charconv>, and where that library has no such conversions
// for doubles, on exact integer arithmetic of our own. Both pass the same tests.
#pragma once

#include <string>
#include <string_view>

namespace ringcalc::runtime {

/// How reading a decimal text ended.
enum class DecimalRead {
    Done,       ///< the whole text read, correctly rounded
    OutOfRange, ///< a magnitude too large or too small for a double; the value is left as it was
    Invalid,    ///< not a decimal number, or something after it
};

/// Reads the whole of text, unsigned digits with at most one '.' and an optional exponent ("e-5", "E+20"), as
/// the double nearest to it (ties to even).
[[nodiscard]] DecimalRead readDecimal(std::string_view text, double& value) noexcept;

/// A finite, non-zero value as printf's "%.15g" writes it in the "C" locale.
[[nodiscard]] std::string generalText15(double value);

} // namespace ringcalc::runtime
