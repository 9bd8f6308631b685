// The texts of the runtime's errors.
#include "runtime/runtime_error.h"

#include <string>

namespace ringcalc::runtime {
namespace {

// Each kind's text for the user, and its detail that follows what the error is about.
struct ErrorTexts {
    const char* text;
    const char* detail;
};

[[nodiscard]] ErrorTexts textsOf(ErrorKind kind) noexcept {
    switch (kind) {
    case ErrorKind::Overflow:
        return {"Переполнение: число слишком велико", "число слишком велико"};
    case ErrorKind::DivisionByZero:
        return {"Деление на ноль", "деление на ноль"};
    case ErrorKind::SystemFailure:
        return {"Сбой системы", "сбой системы"};
    case ErrorKind::InvalidArgument:
        break;
    }
    return {"Недопустимый аргумент", "недопустимый аргумент"};
}

} // namespace

const char* errorText(ErrorKind kind) noexcept {
    return textsOf(kind).text;
}

const char* errorDetail(ErrorKind kind) noexcept {
    return textsOf(kind).detail;
}

RuntimeError::RuntimeError(ErrorKind kind, std::string_view subject)
    : std::runtime_error(std::string(subject).append(": ").append(errorDetail(kind))), m_kind(kind) {}

RuntimeError::RuntimeError(ErrorKind kind, std::string_view subject, std::string_view reason)
    : std::runtime_error(std::string(subject).append(": ").append(errorDetail(kind)).append(": ").append(reason)),
      m_kind(kind) {}

} // namespace ringcalc::runtime
