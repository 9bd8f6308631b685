// The bits of a double and back, where the standard library has no std::bit_cast (emscripten's libc++ 13).
#pragma once

#include <cstring>
#include <type_traits>

namespace ringcalc::testing {

/// The value whose object representation is from's, as std::bit_cast gives it.
template <class To, class From>
requires(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> && std::is_trivially_copyable_v<From>)
    [[nodiscard]] To bitCast(const From& from) noexcept {
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

} // namespace ringcalc::testing
