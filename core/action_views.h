// What the actions need of the window, and reading a number from one of its boxes.
#pragma once

#include <string>
#include <string_view>

namespace ringcalc::core {

/// What the radius check needs of the window: the texts of the two radius boxes (UTF-8).
class RadiiView {
public:
    /// The text of the outer radius box.
    [[nodiscard]] virtual std::string text1() const = 0;
    /// The text of the inner radius box.
    [[nodiscard]] virtual std::string text2() const = 0;
    /// The caption by which the user knows a box ("Text1", "Text2" or "Text3"), such as "Внешний радиус".
    [[nodiscard]] virtual std::string boxCaption(std::string_view box) const = 0;

protected:
    RadiiView() = default;
    RadiiView(const RadiiView&) = default;
    RadiiView& operator=(const RadiiView&) = default;
    ~RadiiView() = default; // actions hold a view by reference and never delete it
};

/// What the areas action needs of the window: the radii, the angle and the result caption (UTF-8).
class ResultView : public RadiiView {
public:
    /// The text of the sector angle box, in degrees. A third box beside the two radii, not an override of either.
    [[nodiscard]] virtual std::string text3() const = 0; // NOLINT(bugprone-virtual-near-miss)
    /// Sets the caption of the result label, which then fits itself to it.
    virtual void setLabel4Caption(std::string_view caption) = 0;

protected:
    ResultView() = default;
    ResultView(const ResultView&) = default;
    ResultView& operator=(const ResultView&) = default;
    ~ResultView() = default;
};

/// The number in a box's text, as runtime::ReadNumber reads it. Raises its runtime::RuntimeError about the
/// box's caption, so the user is told which box holds the number: "Внешний радиус: число слишком велико".
[[nodiscard]] double readBox(const RadiiView& window, std::string_view box, std::string_view text);

} // namespace ringcalc::core
