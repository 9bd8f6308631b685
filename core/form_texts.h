#pragma once

#include <string>
#include <string_view>

namespace ringcalc {

/// What the areas action needs of the window: the three input texts and the result caption (UTF-8).
class ResultForm {
public:
    ResultForm() = default;
    ResultForm(const ResultForm&) = delete;
    ResultForm& operator=(const ResultForm&) = delete;
    ResultForm(ResultForm&&) = delete;
    ResultForm& operator=(ResultForm&&) = delete;
    virtual ~ResultForm() = default;

    /// The text of the outer radius box.
    [[nodiscard]] virtual std::string text1() const = 0;
    /// The text of the inner radius box.
    [[nodiscard]] virtual std::string text2() const = 0;
    /// The text of the sector angle box, in degrees.
    [[nodiscard]] virtual std::string text3() const = 0;
    /// Sets the caption of the result label, which then fits itself to it.
    virtual void setLabel4Caption(std::string_view caption) = 0;
};

/// What the radius check needs of the window: the texts of the two radius boxes (UTF-8).
class RadiiForm {
public:
    RadiiForm() = default;
    RadiiForm(const RadiiForm&) = delete;
    RadiiForm& operator=(const RadiiForm&) = delete;
    RadiiForm(RadiiForm&&) = delete;
    RadiiForm& operator=(RadiiForm&&) = delete;
    virtual ~RadiiForm() = default;

    /// The text of the outer radius box.
    [[nodiscard]] virtual std::string text1() const = 0;
    /// The text of the inner radius box.
    [[nodiscard]] virtual std::string text2() const = 0;
};

} // namespace ringcalc
