// ReadNumber: the number at the start of a text, correctly rounded.
#include "runtime/read_number.h"

#include "runtime/runtime_error.h"

#include "runtime/decimal_text.h"

#include <cstdint>
#include <string>

namespace ringcalc::runtime {
namespace {

[[nodiscard]] constexpr bool isDigit(char c) noexcept {
    return c >= '0' && c <= '9';
}

[[nodiscard]] std::size_t skipDigits(std::string_view text, std::size_t i) noexcept {
    while (i < text.size() && isDigit(text[i])) {
        ++i;
    }
    return i;
}

// Where the parts of the number stand in the text; every index is into the text itself.
struct NumberSpan {
    std::size_t intBegin = 0;
    std::size_t intEnd = 0;
    std::size_t fracBegin = 0; // one past the separator, when there is one
    std::size_t fracEnd = 0;
    std::size_t expDigitsBegin = 0;
    std::size_t end = 0; // one past the last character of the number
    char separator = 0;  // '.', ',' or 0
    bool negative = false;
    bool exponentNegative = false;
};

// The decimal order of the number's leading non-zero digit, exponent included, saturated far beyond any
// double; only used to tell an overflow from an underflow, so precision past that does not matter.
[[nodiscard]] std::int64_t decimalOrder(std::string_view text, const NumberSpan& s) {
    constexpr std::int64_t kSaturation = 1'000'000'000'000LL;
    std::int64_t exponent = 0;
    for (std::size_t i = s.expDigitsBegin; i < s.end && exponent < kSaturation; ++i) {
        exponent = exponent * 10 + (text[i] - '0');
    }
    if (s.exponentNegative) {
        exponent = -exponent;
    }
    for (std::size_t i = s.intBegin; i < s.intEnd; ++i) {
        if (text[i] != '0') {
            return static_cast<std::int64_t>(s.intEnd - i - 1) + exponent;
        }
    }
    for (std::size_t i = s.fracBegin; i < s.fracEnd; ++i) {
        if (text[i] != '0') {
            return -static_cast<std::int64_t>(i - s.fracBegin + 1) + exponent;
        }
    }
    return -kSaturation; // all zeros
}

} // namespace

double ReadNumber(std::string_view text) {
    NumberSpan s;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        s.negative = text[i] == '-';
        ++i;
    }
    s.intBegin = i;
    s.intEnd = skipDigits(text, i);
    s.fracBegin = s.fracEnd = s.intEnd;
    if (s.intEnd < text.size() && (text[s.intEnd] == '.' || text[s.intEnd] == ',')) {
        s.separator = text[s.intEnd];
        s.fracBegin = s.intEnd + 1;
        s.fracEnd = skipDigits(text, s.fracBegin);
    }
    if (s.intEnd == s.intBegin && s.fracEnd == s.fracBegin) {
        return 0.0; // no digit: the text does not begin with a number
    }
    s.end = s.separator != 0 ? s.fracEnd : s.intEnd;
    s.expDigitsBegin = s.end;
    if (s.end < text.size() && (text[s.end] == 'e' || text[s.end] == 'E')) {
        std::size_t j = s.end + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            s.exponentNegative = text[j] == '-';
            ++j;
        }
        const std::size_t expEnd = skipDigits(text, j);
        if (expEnd > j) { // an 'e' without a digit is not part of the number
            s.expDigitsBegin = j;
            s.end = expEnd;
        }
    }

    const std::string_view number = text.substr(s.intBegin, s.end - s.intBegin);
    std::string withPoint; // the conversion knows only the point as separator
    const char* first = number.data();
    const char* last = first + number.size();
    if (s.separator == ',') {
        withPoint.assign(number);
        withPoint[s.intEnd - s.intBegin] = '.';
        first = withPoint.data();
        last = first + withPoint.size();
    }
    double magnitude = 0.0;
    switch (readDecimal(std::string_view(first, static_cast<std::size_t>(last - first)), magnitude)) {
    case DecimalRead::Done:
        break;
    case DecimalRead::OutOfRange:
        // Said for a value too large and for one too small alike.
        if (decimalOrder(text, s) > 0) {
            throw RuntimeError(ErrorKind::Overflow);
        }
        magnitude = 0.0;
        break;
    case DecimalRead::Invalid:
        throw RuntimeError(ErrorKind::InvalidArgument); // the grammar above only passes what it reads
    }
    return s.negative ? -magnitude : magnitude;
}

} // namespace ringcalc::runtime
