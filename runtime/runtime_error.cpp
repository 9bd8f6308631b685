// The texts of the runtime's errors.
#include "runtime/runtime_error.h"

#include <string>

namespace ringcalc::runtime {

const char* errorText(ErrorKind kind) noexcept {
    switch (kind) {
    case ErrorKind::Overflow:
        return "Переполнение: число слишком велико";
    case ErrorKind::DivisionByZero:
        return "Деление на ноль";
    case ErrorKind::InvalidArgument:
        break;
    }
    return "Недопустимый аргумент";
}

const char* errorDetail(ErrorKind kind) noexcept {
    switch (kind) {
    case ErrorKind::Overflow:
        return "число слишком велико";
    case ErrorKind::DivisionByZero:
        return "деление на ноль";
    case ErrorKind::InvalidArgument:
        break;
    }
    return "недопустимый аргумент";
}

RuntimeError::RuntimeError(ErrorKind kind, std::string_view subject)
    : std::runtime_error(std::string(subject).append(": ").append(errorDetail(kind))), m_kind(kind) {}

} // namespace ringcalc::runtime
