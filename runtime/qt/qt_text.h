// UTF-8 texts as Qt's strings.
#pragma once

#include <QString>

#include <string_view>

namespace ringcalc::runtime {

/// A UTF-8 text as a QString.
[[nodiscard]] inline QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace ringcalc::runtime
