// The window's font on Qt: where each control draws its text, and Qt's measure of texts for the font rule.
#pragma once

#include "runtime/font_fit.h"

#include <QFont>

#include <vector>

class QWidget;

namespace ringcalc::runtime {

/// Where a control of fixed size draws its text in its style, and the text that must fit there on one
/// line; for a text box only the height of a line must fit, as its text scrolls.
[[nodiscard]] TextRoom textRoom(QWidget& control);

/// The window's font family at the largest size, no larger than the system's, at which every text of
/// rooms fits in its room at the window's font resolution (the shared font rule, measured by Qt).
[[nodiscard]] QFont fittedFont(const QWidget& window, const std::vector<TextRoom>& rooms);

} // namespace ringcalc::runtime
