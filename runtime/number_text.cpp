// The text form of a double: C's "%.15G" in the "C" locale.
#include "runtime/number_text.h"

#include "runtime/decimal_text.h"

#include <algorithm>
#include <cmath>

namespace ringcalc::runtime {

std::string NumberText(double value) {
    if (std::isnan(value)) {
        return std::signbit(value) ? "-NAN" : "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    if (value == 0.0) {
        return "0"; // negative zero too
    }
    // %G differs from %g only in the exponent's letter.
    std::string text = generalText15(value);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

} // namespace ringcalc::runtime
