// The areas action of "Вывод данных" and its two steps, computing and the result line.
#pragma once

#include "core/action_views.h"

#include <string>

namespace ringcalc::core {

/// The value used for π: the double nearest 3.14 (bits 0x40091EB851EB851F), not the full π.
inline constexpr double PiApprox = 3.14;

/// The three numbers read from the window.
struct RingSectorInputs {
    double OuterRadius = 0; ///< from Text1
    double InnerRadius = 0; ///< from Text2
    double Angle = 0;       ///< from Text3, in degrees
};

/// The results in the order they are computed; the last three are shown.
struct RingSectorResult {
    double OuterArea = 0;
    double InnerArea = 0;
    double RingArea = 0;      ///< negative when the inner radius is the greater
    double SectorArea = 0;    ///< the ring's area times the angle's share of a full turn
    double SectorPercent = 0; ///< the angle's share of a full turn, in per cent
};

/// The areas and the share, each step rounded to a double in turn. Raises runtime::RuntimeError when a
/// step's result is beyond the range of a double.
[[nodiscard]] RingSectorResult ComputeRingSector(const RingSectorInputs& inputs);

/// The result line: "Площадь: кольца=<ring>; сектора=<sector>; в процентах=<share>%" (UTF-8).
[[nodiscard]] std::string BuildResultLine(const RingSectorResult& result);

/// The action of "Вывод данных": reads the three texts, computes, and sets the result caption once, last.
/// Raises runtime::RuntimeError from reading or computing; the caption is then left as it was.
void ShowResult(ResultView& window);

} // namespace ringcalc::core
