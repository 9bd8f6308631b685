// The number texts' conversions where the standard library has none for doubles (the C++ library of
// emscripten 3.1), in exact integer arithmetic. A double and a decimal text are each a ratio of integers
// times a power of two, so each conversion is one integer division to a few more bits than it keeps, then
// rounded to even. Small rather than fast: in the browser every byte of the program is paid for at start,
// and a number is read or written once per click.
#include "runtime/decimal_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace ringcalc::runtime {
namespace {

// An unsigned integer of up to kLimbs 32-bit limbs, least significant first. The largest the conversions
// make is a divisor at its highest bit's place: 5^1124 (2610 bits, a text's smallest exponent) times
// 2^(54 + 49), or a dividend about as large; 160 limbs (5120 bits) hold either with room to spare.
class Natural {
public:
    static constexpr std::size_t kLimbs = 160;

    explicit Natural(std::uint64_t value) noexcept {
        while (value != 0) {
            m_limbs[m_size++] = static_cast<std::uint32_t>(value);
            value >>= 32U;
        }
    }

    /// this = this * factor + addend.
    void multiplyAdd(std::uint32_t factor, std::uint32_t addend) noexcept {
        std::uint64_t carry = addend;
        for (std::size_t i = 0; i < m_size; ++i) {
            carry += std::uint64_t{m_limbs[i]} * factor;
            m_limbs[i] = static_cast<std::uint32_t>(carry);
            carry >>= 32U;
        }
        if (carry != 0) {
            m_limbs[m_size++] = static_cast<std::uint32_t>(carry);
        }
    }

    /// this = this * 5^exponent.
    void multiplyPowerOfFive(std::int64_t exponent) noexcept {
        constexpr std::uint32_t kFiveToThe13 = 1'220'703'125; // the largest power of five in 32 bits
        for (; exponent >= 13; exponent -= 13) {
            multiplyAdd(kFiveToThe13, 0);
        }
        for (; exponent > 0; --exponent) {
            multiplyAdd(5, 0);
        }
    }

    /// this = this * 2^bits.
    void shiftLeft(std::int64_t bits) noexcept {
        if (m_size == 0 || bits <= 0) {
            return;
        }
        const auto limbs = static_cast<std::size_t>(bits / 32);
        const auto rest = static_cast<unsigned>(bits % 32);
        m_limbs[m_size + limbs] = 0;
        for (std::size_t i = m_size; i-- > 0;) {
            const std::uint64_t wide = std::uint64_t{m_limbs[i]} << rest;
            m_limbs[i + limbs + 1] |= static_cast<std::uint32_t>(wide >> 32U);
            m_limbs[i + limbs] = static_cast<std::uint32_t>(wide);
        }
        for (std::size_t i = 0; i < limbs; ++i) {
            m_limbs[i] = 0;
        }
        m_size += limbs + 1;
        trim();
    }

    /// this = this - other, where other is at most this.
    void subtract(const Natural& other) noexcept {
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < m_size; ++i) {
            borrow += std::int64_t{m_limbs[i]} - (i < other.m_size ? other.m_limbs[i] : 0);
            m_limbs[i] = static_cast<std::uint32_t>(borrow);
            borrow = borrow < 0 ? -1 : 0;
        }
        trim();
    }

    [[nodiscard]] bool atLeast(const Natural& other) const noexcept {
        if (m_size != other.m_size) {
            return m_size > other.m_size;
        }
        for (std::size_t i = m_size; i-- > 0;) {
            if (m_limbs[i] != other.m_limbs[i]) {
                return m_limbs[i] > other.m_limbs[i];
            }
        }
        return true;
    }

    [[nodiscard]] bool isZero() const noexcept { return m_size == 0; }

    [[nodiscard]] std::int64_t bitLength() const noexcept {
        return m_size == 0 ? 0 : static_cast<std::int64_t>(m_size - 1) * 32 + std::bit_width(m_limbs[m_size - 1]);
    }

private:
    void trim() noexcept {
        while (m_size > 0 && m_limbs[m_size - 1] == 0) {
            --m_size;
        }
    }

    std::array<std::uint32_t, kLimbs + 1> m_limbs{};
    std::size_t m_size = 0;
};

// The quotient of numerator / denominator * 2^scale, rounded down, where it is below 2^kQuotientBits, and
// whether anything was left over.
struct Quotient {
    std::uint64_t value = 0;
    bool inexact = false;
};

constexpr int kQuotientBits = 55;

[[nodiscard]] Quotient divide(Natural numerator, Natural denominator, std::int64_t scale) noexcept {
    numerator.shiftLeft(std::max<std::int64_t>(scale, 0));
    denominator.shiftLeft(kQuotientBits - 1 + std::max<std::int64_t>(-scale, 0));
    // One bit a step, from the highest: each step compares the remainder, doubled so far, with the
    // denominator at the highest bit's place.
    Quotient q;
    for (int bit = 0; bit < kQuotientBits; ++bit) {
        q.value <<= 1U;
        if (numerator.atLeast(denominator)) {
            numerator.subtract(denominator);
            q.value |= 1U;
        }
        numerator.shiftLeft(1);
    }
    q.inexact = !numerator.isZero();
    return q;
}

// value * 5^exponent as numerator / denominator, the power on the side its sign puts it.
struct Ratio {
    Natural numerator;
    Natural denominator;
};

[[nodiscard]] Ratio timesPowerOfFive(const Natural& value, std::int64_t exponent) noexcept {
    Ratio ratio{value, Natural(1)};
    if (exponent >= 0) {
        ratio.numerator.multiplyPowerOfFive(exponent);
    } else {
        ratio.denominator.multiplyPowerOfFive(-exponent);
    }
    return ratio;
}

// The quotient's lowest bit is the one below the kept ones: rounds it away, half to even.
[[nodiscard]] std::uint64_t roundHalfToEven(Quotient q) noexcept {
    const std::uint64_t kept = q.value >> 1U;
    const bool half = (q.value & 1U) != 0;
    return kept + (half && (q.inexact || (kept & 1U) != 0) ? 1 : 0);
}

[[nodiscard]] constexpr bool isDigit(char c) noexcept {
    return c >= '0' && c <= '9';
}

// The decimal digits of n, at least `least` of them.
[[nodiscard]] std::string decimalDigits(std::uint64_t n, std::size_t least) {
    std::string digits;
    for (; n != 0 || digits.size() < least; n /= 10) {
        digits.insert(digits.begin(), static_cast<char>('0' + n % 10));
    }
    return digits;
}

// Every halfway point between two doubles has at most 767 significant digits, so a text cut after 800
// rounds as the whole of it does once the cut-off part counts as "a little more".
constexpr int kKeptDigits = 800;
// Beyond this an exponent is out of range whatever the digits; it keeps the sums below from overflowing.
constexpr std::int64_t kExponentSaturation = 1'000'000'000'000LL;

} // namespace

DecimalRead readDecimal(std::string_view text, double& value) noexcept {
    Natural digits(0);
    // Digits go into the number nine at a time.
    std::uint32_t pending = 0;
    std::uint32_t pendingScale = 1;
    int kept = 0;
    bool cutNonZero = false;
    std::int64_t exponent = 0; // the value is digits * 10^exponent (and a little more when cutNonZero)
    bool point = false;
    bool anyDigit = false;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (!isDigit(c)) {
            break;
        }
        anyDigit = true;
        if (kept == 0 && c == '0') {
            exponent -= point ? 1 : 0;
        } else if (kept < kKeptDigits) {
            pending = pending * 10 + static_cast<std::uint32_t>(c - '0');
            pendingScale *= 10;
            if (pendingScale == 1'000'000'000) {
                digits.multiplyAdd(pendingScale, pending);
                pending = 0;
                pendingScale = 1;
            }
            ++kept;
            exponent -= point ? 1 : 0;
        } else {
            cutNonZero = cutNonZero || c != '0';
            exponent += point ? 0 : 1;
        }
    }
    if (!anyDigit) {
        return DecimalRead::Invalid;
    }
    digits.multiplyAdd(pendingScale, pending);
    if (i < text.size()) {
        std::size_t j = i + 1;
        if (text[i] != 'e' && text[i] != 'E') {
            return DecimalRead::Invalid;
        }
        const bool negative = j < text.size() && text[j] == '-';
        j += j < text.size() && (text[j] == '-' || text[j] == '+') ? 1U : 0U;
        if (j == text.size()) {
            return DecimalRead::Invalid;
        }
        std::int64_t written = 0;
        for (; j < text.size(); ++j) {
            if (!isDigit(text[j])) {
                return DecimalRead::Invalid;
            }
            written = std::min(written * 10 + (text[j] - '0'), kExponentSaturation);
        }
        exponent += negative ? -written : written;
    }
    if (kept == 0) {
        value = 0.0;
        return DecimalRead::Done;
    }
    // The leading digit's decimal order: from 309 on the value is above the largest double, below -325
    // it is under half the smallest one.
    const std::int64_t order = exponent + kept - 1;
    if (order > 308 || order < -325) {
        return DecimalRead::OutOfRange;
    }
    // digits * 10^exponent = numerator / denominator * 2^exponent.
    const auto [numerator, denominator] = timesPowerOfFive(digits, exponent);
    // The value lies in [2^(top - 1), 2^(top + 1)). The quotient keeps 53 bits and one to round with,
    // two more when the value is in the upper half, never below the smallest subnormal's half.
    const std::int64_t top = numerator.bitLength() - denominator.bitLength() + exponent;
    std::int64_t low = std::max<std::int64_t>(top - kQuotientBits + 1, -1075);
    Quotient q = divide(numerator, denominator, exponent - low);
    q.inexact = q.inexact || cutNonZero;
    while (q.value >= std::uint64_t{1} << 54U) {
        q.inexact = q.inexact || (q.value & 1U) != 0;
        q.value >>= 1U;
        ++low;
    }
    const double read = std::ldexp(static_cast<double>(roundHalfToEven(q)), static_cast<int>(low + 1));
    if (read == 0.0 || std::isinf(read)) {
        return DecimalRead::OutOfRange;
    }
    value = read;
    return DecimalRead::Done;
}

std::string generalText15(double value) {
    constexpr int kPrecision = 15;
    constexpr std::uint64_t kLowest = 100'000'000'000'000; // 10^14: the least 15-digit number
    std::string text = std::signbit(value) ? "-" : "";
    int binary = 0;
    const double fraction = std::frexp(std::fabs(value), &binary); // |value| = fraction * 2^binary
    const Natural mantissa(static_cast<std::uint64_t>(std::ldexp(fraction, 53)));
    binary -= 53;
    // The decimal order of the leading digit: this estimate is it or one less, as 2^(binary + 52) is at
    // most the value.
    auto order = static_cast<std::int64_t>(std::floor(static_cast<double>(binary + 52) * 0.30102999566398120));
    std::uint64_t digits = 0;
    for (;;) {
        // value / 10^(order - 14) = mantissa * 5^(14 - order) * 2^(binary + 14 - order), with one bit more.
        const std::int64_t shift = kPrecision - 1 - order;
        const auto [numerator, denominator] = timesPowerOfFive(mantissa, shift);
        const Quotient q = divide(numerator, denominator, binary + shift + 1);
        if ((q.value >> 1U) >= kLowest * 10 || (q.value >> 1U) < kLowest) {
            order += (q.value >> 1U) < kLowest ? -1 : 1;
            continue;
        }
        digits = roundHalfToEven(q);
        if (digits == kLowest * 10) { // 999...95 and up carry into a new digit
            digits = kLowest;
            ++order;
        }
        break;
    }
    std::string figures = decimalDigits(digits, 1);
    while (figures.back() == '0') {
        figures.pop_back();
    }
    // %g: fixed from order -4 up to below the precision, the exponent form beyond.
    if (order < -4 || order >= kPrecision) {
        text += figures.substr(0, 1);
        if (figures.size() > 1) {
            text += '.' + figures.substr(1);
        }
        const std::int64_t magnitude = order < 0 ? -order : order;
        text += order < 0 ? "e-" : "e+";
        text += decimalDigits(static_cast<std::uint64_t>(magnitude), 2);
    } else if (order < 0) {
        text += "0." + std::string(static_cast<std::size_t>(-order - 1), '0') + figures;
    } else {
        const auto whole = static_cast<std::size_t>(order) + 1;
        text += figures.size() <= whole ? figures + std::string(whole - figures.size(), '0')
                                        : figures.substr(0, whole) + '.' + figures.substr(whole);
    }
    return text;
}

} // namespace ringcalc::runtime
