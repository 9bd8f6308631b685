// A text box's change told once for each message it handles.
#pragma once

#include "runtime/pinned.h"

#include <windows.h>

namespace ringcalc::runtime {

/// A box may say more than once that one edit changed its text (Wine's undo does): the change is told once,
/// when the box has handled the message that changed it.
class Win32ChangeMerge {
public:
    /// Whether the box is inside its handling of a message; a change it tells now is then kept for the end.
    [[nodiscard]] bool keep() noexcept {
        if (m_depth == 0) {
            return false;
        }
        m_changed = true;
        return true;
    }

    /// Returns what handle (the box's handling of one message) returns; sets changed when that message was
    /// the outermost and a change was kept while it was handled.
    template <class Handle> LRESULT around(Handle&& handle, bool& changed) {
        LRESULT result = 0;
        {
            const Depth depth(m_depth);
            result = handle();
        }
        changed = m_depth == 0 && m_changed;
        if (changed) {
            m_changed = false;
        }
        return result;
    }

private:
    // Counts the depth down however the handling ends.
    class Depth : private Pinned {
    public:
        explicit Depth(int& depth) noexcept : m_value(depth) { ++m_value; }
        ~Depth() { --m_value; }

    private:
        int& m_value;
    };
    int m_depth = 0;
    bool m_changed = false;
};

} // namespace ringcalc::runtime
