// Checked arithmetic, joining texts, and the text of a character code.
#include "runtime/arithmetic.h"

#include "runtime/number_text.h"
#include "runtime/runtime_error.h"

#include <cmath>

namespace ringcalc::runtime {
namespace {

// An infinite or undefined result would be shown as a wrong number; it is an error instead.
[[nodiscard]] double finite(double result) {
    if (!std::isfinite(result)) {
        throw RuntimeError(ErrorKind::Overflow);
    }
    return result;
}

} // namespace

double power(double base, double exponent) {
    if (exponent == 2.0) {
        return finite(base * base);
    }
    return finite(std::pow(base, exponent));
}

double product(double left, double right) {
    return finite(left * right);
}

double difference(double left, double right) {
    return finite(left - right);
}

double quotient(double dividend, double divisor) {
    if (divisor == 0.0) {
        throw RuntimeError(ErrorKind::DivisionByZero);
    }
    return finite(dividend / divisor);
}

std::string join(std::string_view left, std::string_view right) {
    std::string text;
    text.reserve(left.size() + right.size());
    text.append(left);
    text.append(right);
    return text;
}

std::string join(std::string_view left, double right) {
    return join(left, NumberText(right));
}

std::string character(int code) {
    if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        throw RuntimeError(ErrorKind::InvalidArgument);
    }
    const auto c = static_cast<unsigned>(code);
    const auto byte = [](unsigned bits) { return static_cast<char>(static_cast<unsigned char>(bits)); };
    std::string text;
    if (c < 0x80) {
        text.push_back(byte(c));
    } else if (c < 0x800) {
        text.push_back(byte(0xC0U | (c >> 6U)));
        text.push_back(byte(0x80U | (c & 0x3FU)));
    } else if (c < 0x10000) {
        text.push_back(byte(0xE0U | (c >> 12U)));
        text.push_back(byte(0x80U | ((c >> 6U) & 0x3FU)));
        text.push_back(byte(0x80U | (c & 0x3FU)));
    } else {
        text.push_back(byte(0xF0U | (c >> 18U)));
        text.push_back(byte(0x80U | ((c >> 12U) & 0x3FU)));
        text.push_back(byte(0x80U | ((c >> 6U) & 0x3FU)));
        text.push_back(byte(0x80U | (c & 0x3FU)));
    }
    return text;
}

} // namespace ringcalc::runtime
