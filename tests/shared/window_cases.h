// The cases that the window suites of both toolkits share: where the controls stand, what keys bring.
#pragma once

#include "runtime/message_box.h"

namespace ringcalc::testing {

/// A fixed-size control's place in the client area, in pixels at 96 dpi.
struct Place {
    const char* name;
    int left;
    int top;
    int width;
    int height;
};

// Twips ÷ 15: e.g. Text2 at 1980, 120 with 1815 × 375 twips is 132, 8 with 121 × 25 pixels.
inline constexpr Place kPlaces[] = {
    {"Text1", 4, 8, 121, 25},      {"Text2", 132, 8, 121, 25},   {"Text3", 260, 8, 121, 25},
    {"Command2", 388, 8, 233, 57}, {"Command1", 632, 8, 93, 57}, {"Label1", 4, 40, 121, 17},
    {"Label2", 132, 40, 121, 17},  {"Label3", 260, 40, 121, 17},
};

/// Keys typed into the inner radius box, and which of them bring the warning.
struct Keystrokes {
    const char* outer;
    const char* inner;   ///< the inner box's text before typing, the cursor at its end
    const char* typed;   ///< one key at a time; '\b' is Backspace
    const char* warnsAt; ///< for each key: '1' when it brings a warning, '0' when not
};

inline constexpr Keystrokes kKeystrokes[] = {
    {"10", "", "15", "01"},   // "1" is not greater than 10, "15" is
    {"1", "0", "2", "1"},     // "02" reads 2
    {"1", "", "1", "0"},      // equal radii do not warn
    {"-1", "", "123", "111"}, // every change of a text above −1 warns
    {"2", "5", "\b", "0"},    // Backspace empties the box: 0 is not above 2
    {"-5", "5", "\b", "1"},   // ... but 0 is above −5
    {"3", "", "4\b4", "101"},
};

/// The radius warning as the user sees it, text for text: its two lines joined by a lone carriage return,
/// under its title, with the stop icon (runtime::kStyleCritical).
inline constexpr const char* kWarningPrompt = "Внутренний радиус больше внешнего, \rрезультат вычислений будет неверен";
inline constexpr const char* kWarningTitle = "Внимание!!!";
inline constexpr int kWarningStyle = runtime::kStyleCritical;

/// The result line for the start texts: 3.14 × 1² − 3.14 × 0², its whole turn, 100 %.
inline constexpr const char* kStartLine = "Площадь: кольца=3.14; сектора=3.14; в процентах=100%";

} // namespace ringcalc::testing
