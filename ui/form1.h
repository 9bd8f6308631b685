// The calculator's window: its description, and the view the actions have of it.
#pragma once

#include "core/action_views.h"
#include "runtime/form.h"
#include "runtime/window_description.h"

namespace ringcalc::ui {

/// The calculator's only window: three boxes for the radii and the angle, two buttons, four labels.
[[nodiscard]] const runtime::WindowDescription& form1Description();

/// The built window as the actions see it: the texts of Text1, Text2, Text3 and the caption of Label4.
class Form1View final : public core::ResultView {
public:
    /// Views a window built from form1Description(); it must outlive the view.
    explicit Form1View(runtime::Form& form) noexcept : m_form(form) {}

    [[nodiscard]] std::string text1() const override { return m_form.text("Text1"); }
    [[nodiscard]] std::string text2() const override { return m_form.text("Text2"); }
    [[nodiscard]] std::string text3() const override { return m_form.text("Text3"); }
    [[nodiscard]] std::string boxCaption(std::string_view box) const override { return m_form.captionFor(box); }
    void setLabel4Caption(std::string_view caption) override { m_form.setCaption("Label4", caption); }

private:
    runtime::Form& m_form;
};

} // namespace ringcalc::ui
