// Writes the shared window cases as JSON for the browser suite, so that it types none of them again.
#include "runtime/dispatch.h"
#include "runtime/runtime_error.h"
#include "runtime/window_rules.h"
#include "ui/form1.h"
#include "window_cases.h"

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

namespace {

using namespace ringcalc;

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string casesJson() {
    const runtime::WindowDescription& form = ui::form1Description();
    std::string json = "{\"window\":" + quoted(form.name) + ",\"caption\":" + quoted(form.caption);
    json += ",\"defaultButton\":" + quoted(form.defaultButton) + ",\"places\":[";
    for (const auto& p : testing::kPlaces) {
        json += (&p == testing::kPlaces ? "" : ",") + std::string("{\"name\":") + quoted(p.name) +
                ",\"left\":" + std::to_string(p.left) + ",\"top\":" + std::to_string(p.top) +
                ",\"width\":" + std::to_string(p.width) + ",\"height\":" + std::to_string(p.height) + "}";
    }
    json += "],\"keystrokes\":[";
    for (const auto& k : testing::kKeystrokes) {
        json += (&k == testing::kKeystrokes ? "" : ",") + std::string("{\"outer\":") + quoted(k.outer) +
                ",\"inner\":" + quoted(k.inner) + ",\"typed\":" + quoted(k.typed) +
                ",\"warnsAt\":" + quoted(k.warnsAt) + "}";
    }
    json += "],\"focusOrder\":[";
    const auto order = runtime::focusOrder(form);
    for (std::size_t i = 0; i < order.size(); ++i) {
        json += (i == 0 ? "" : ",") + quoted(form.controls[order[i]].name);
    }
    json += "],\"texts\":{";
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        json += (i == 0 ? "" : ",") + quoted(form.controls[i].name) + ":" + quoted(form.controls[i].caption);
    }
    const runtime::ControlDescription* outerCaption = runtime::labelOf(form, "Text1");
    json += "},\"warningPrompt\":" + quoted(testing::kWarningPrompt) +
            ",\"warningTitle\":" + quoted(testing::kWarningTitle) + ",\"startLine\":" + quoted(testing::kStartLine) +
            ",\"errorTitle\":" + quoted(runtime::kErrorBoxTitle) + ",\"overflowText\":" +
            quoted(runtime::RuntimeError(runtime::ErrorKind::Overflow, outerCaption->caption).what()) + "}";
    return json;
}

} // namespace

int main() {
    try {
        std::puts(casesJson().c_str());
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "export_cases: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "export_cases: an unknown error\n");
    }
    return 1;
}
