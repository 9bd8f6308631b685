// The areas action: the ring's and the sector's areas, the share of a turn, and the result line.
#include "core/ring_sector.h"

#include "runtime/arithmetic.h"

namespace ringcalc::core {

using runtime::difference;
using runtime::join;
using runtime::power;
using runtime::product;
using runtime::quotient;

RingSectorResult ComputeRingSector(const RingSectorInputs& inputs) {
    RingSectorResult result;
    // The power first, then the product; the product of area and angle before the quotient by a full turn.
    // Each call rounds once, so the order fixes the last bit of every number.
    result.OuterArea = product(PiApprox, power(inputs.OuterRadius, 2));
    result.InnerArea = product(PiApprox, power(inputs.InnerRadius, 2));
    result.RingArea = difference(result.OuterArea, result.InnerArea);
    result.SectorArea = quotient(product(result.RingArea, inputs.Angle), 360);
    result.SectorPercent = quotient(product(inputs.Angle, 100), 360);
    return result;
}

std::string BuildResultLine(const RingSectorResult& result) {
    std::string line = join("Площадь: кольца=", result.RingArea);
    line = join(line, "; сектора=");
    line = join(line, result.SectorArea);
    line = join(line, "; в процентах=");
    line = join(line, result.SectorPercent);
    return join(line, "%");
}

void ShowResult(ResultView& window) {
    RingSectorInputs inputs;
    inputs.OuterRadius = readBox(window, "Text1", window.text1());
    inputs.InnerRadius = readBox(window, "Text2", window.text2());
    inputs.Angle = readBox(window, "Text3", window.text3());
    const std::string line = BuildResultLine(ComputeRingSector(inputs));
    window.setLabel4Caption(line);
}

} // namespace ringcalc::core
