// Ending the program cleanly on SIGTERM, SIGINT and SIGHUP.
#pragma once

#include "runtime/pinned.h"

#include <array>
#include <csignal>
#include <memory>

class QSocketNotifier;

namespace ringcalc::runtime {

/// While it lives, SIGTERM, SIGINT and SIGHUP end the program as "Exit" does, once the message loop runs;
/// a signal that was ignored when the program started (nohup) stays ignored. Make it first thing, so that a
/// signal that comes while the window is being built waits for the loop. One at a time.
class EndOnSignals : private Pinned {
public:
    EndOnSignals();
    ~EndOnSignals();

    /// Lets the message loop read the signals, those that came before included. Needs the application.
    void listen();

private:
    static constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::array<struct sigaction, kSignals.size()> m_previous{};
    std::array<bool, kSignals.size()> m_installed{};
};

} // namespace ringcalc::runtime
