// Fakes of the window and the message box, shared by the suites, the benchmarks and the fuzzers.
#pragma once

#include "core/action_views.h"
#include "runtime/message_box.h"

#include <string>
#include <utility>
#include <vector>

namespace ringcalc::testing {

/// The actions' view of the window, its four texts held in plain strings.
class FakeView final : public core::ResultView {
public:
    FakeView(std::string t1, std::string t2, std::string t3)
        : m_text1(std::move(t1)), m_text2(std::move(t2)), m_text3(std::move(t3)) {}

    [[nodiscard]] std::string text1() const override { return read('1', m_text1); }
    [[nodiscard]] std::string text2() const override { return read('2', m_text2); }
    [[nodiscard]] std::string text3() const override { return read('3', m_text3); }
    [[nodiscard]] std::string boxCaption(std::string_view box) const override {
        return std::string("caption of ").append(box);
    }
    void setLabel4Caption(std::string_view caption) override {
        m_caption = caption;
        ++m_captionSets;
    }

    std::string m_text1;
    std::string m_text2;
    std::string m_text3;
    std::string m_caption = "Результат вычислений";
    int m_captionSets = 0;
    mutable std::string m_reads; ///< the boxes read, in order: "123" for the three in turn

private:
    std::string read(char box, const std::string& text) const {
        m_reads.push_back(box);
        return text;
    }
};

/// One message box as it was asked for.
struct ShownBox {
    std::string prompt;
    int style = 0;
    std::string title;
};

/// A message box that records what it was asked to show and returns at once, as if OK were pressed.
class RecordingMessageBox final : public runtime::MessageBoxService {
public:
    int show(std::string_view prompt, int style, std::string_view title) override {
        m_shown.push_back({std::string(prompt), style, std::string(title)});
        return runtime::kResultOk;
    }

    std::vector<ShownBox> m_shown;
};

} // namespace ringcalc::testing
