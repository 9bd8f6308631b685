#include "runtime/runtime_error.h"

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

} // namespace ringcalc::runtime
