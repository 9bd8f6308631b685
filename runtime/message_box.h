// The message box that the actions ask of the runtime.
#pragma once

#include <string_view>

namespace ringcalc::runtime {

class Form;

/// Style value of a message box with the critical (stop) icon and a single OK button.
inline constexpr int kStyleCritical = 16;

/// The value a message box returns when its OK button closed it.
inline constexpr int kResultOk = 1;

/// The runtime's message box: shows a modal box and returns when the user has closed it; where a layer cannot
/// wait inside an action (the browser), it returns at once, the box still up and everything behind it out of
/// reach until it closes, with the value of its first button, so no action does anything after its box.
/// Every layer's
/// box reads the style and tells the button alike: the low three bits of the style pick the buttons (0 OK,
/// 1 OK/Cancel, 2 Abort/Retry/Ignore, 3 Yes/No/Cancel, 4 Yes/No, 5 Retry/Cancel), 16, 32, 48 or 64 the
/// critical, question, warning or information icon; the result is 1 OK, 2 Cancel, 3 Abort, 4 Retry,
/// 5 Ignore, 6 Yes, 7 No.
class MessageBoxService {
public:
    /// Shows prompt (UTF-8; a carriage return breaks the line) under title with the icon and buttons of
    /// style; returns the button that closed the box.
    virtual int show(std::string_view prompt, int style, std::string_view title) = 0;

    /// The window the boxes shown from now on belong to: modal to it and kept over it; none when null.
    /// Dispatch sets it to the window whose action runs.
    void setOwner(const Form* owner) noexcept { m_owner = owner; }

    /// The window the boxes belong to, or null.
    [[nodiscard]] const Form* owner() const noexcept { return m_owner; }

protected:
    MessageBoxService() = default;
    MessageBoxService(const MessageBoxService&) = default;
    MessageBoxService& operator=(const MessageBoxService&) = default;
    ~MessageBoxService() = default; // callers hold the service by reference and never delete it

private:
    const Form* m_owner = nullptr;
};

} // namespace ringcalc::runtime
