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
        : box1(std::move(t1)), box2(std::move(t2)), box3(std::move(t3)) {}

    [[nodiscard]] std::string text1() const override { return read('1', box1); }
    [[nodiscard]] std::string text2() const override { return read('2', box2); }
    [[nodiscard]] std::string text3() const override { return read('3', box3); }
    [[nodiscard]] std::string boxCaption(std::string_view box) const override {
        return std::string("caption of ").append(box);
    }
    void setLabel4Caption(std::string_view caption) override {
        label4 = caption;
        ++label4Sets;
    }

    std::string box1;
    std::string box2;
    std::string box3;
    std::string label4 = "Результат вычислений";
    int label4Sets = 0;
    mutable std::string reads; ///< the boxes read, in order: "123" for the three in turn

private:
    std::string read(char box, const std::string& text) const {
        reads.push_back(box);
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
        shown.push_back({std::string(prompt), style, std::string(title)});
        return runtime::kResultOk;
    }

    std::vector<ShownBox> shown;
};

} // namespace ringcalc::testing
