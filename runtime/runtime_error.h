// The one error type that runtime operations raise, and the texts it shows.
#pragma once

#include <stdexcept>
#include <string_view>

namespace ringcalc::runtime {

/// What a runtime operation could not do.
enum class ErrorKind {
    Overflow,        ///< a number beyond the range of a double, read or computed
    DivisionByZero,  ///< a quotient whose divisor is zero
    InvalidArgument, ///< an argument outside what the operation takes
    SystemFailure,   ///< the platform refused what was asked of it, for a reason of its own
};

/// The Russian text shown to the user for an error of this kind (UTF-8, never null).
[[nodiscard]] const char* errorText(ErrorKind kind) noexcept;

/// The same in lower case and without the kind's name, to follow what the error is about (UTF-8, never null).
[[nodiscard]] const char* errorDetail(ErrorKind kind) noexcept;

/// The one error that runtime operations raise; what() is the user's text for its kind (UTF-8).
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(ErrorKind kind) : std::runtime_error(errorText(kind)), m_kind(kind) {}

    /// An error about something the user or developer knows by name, such as a box's caption or a control:
    /// what() is "<subject>: <errorDetail(kind)>".
    RuntimeError(ErrorKind kind, std::string_view subject);

    /// The same with the reason the platform gave: what() is "<subject>: <errorDetail(kind)>: <reason>".
    RuntimeError(ErrorKind kind, std::string_view subject, std::string_view reason);

    /// The kind of failure, for callers that tell them apart.
    [[nodiscard]] ErrorKind kind() const noexcept { return m_kind; }

private:
    ErrorKind m_kind;
};

} // namespace ringcalc::runtime
