// A helper that tells which runtime error a call raised.
#pragma once

#include "runtime/runtime_error.h"

#include <optional>

namespace ringcalc::testing {

/// The kind of the runtime error that calling f raised, or nothing when it returned.
template <class F> [[nodiscard]] std::optional<runtime::ErrorKind> raisedError(F&& f) {
    try {
        (void)f();
    } catch (const runtime::RuntimeError& error) {
        return error.kind();
    }
    return std::nullopt;
}

} // namespace ringcalc::testing
