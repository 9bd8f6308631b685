// Ending the program cleanly on SIGTERM, SIGINT and SIGHUP.
#pragma once

#include "runtime/pinned.h"
#include "runtime/program.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace ringcalc::runtime {

// A signal handler may do next to nothing, so it only writes a byte into a pipe; the message loop reads it
// and ends the program as "Exit" does. A desktop session that logs out, or a user's kill, then ends the
// program cleanly with status 0. The handlers are installed before anything else, so that a signal that
// comes while the window is being built waits in the pipe for the loop; a signal that was ignored when the
// program started (nohup) stays ignored.
class EndOnSignals : private Pinned {
public:
    EndOnSignals() {
        if (::pipe2(s_pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
            return; // the default actions stay: the signals still end the program, only less tidily
        }
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            struct sigaction current {};
            ::sigaction(kSignals[i], nullptr, &current);
            if (current.sa_handler != SIG_IGN) {
                m_installed[i] = ::sigaction(kSignals[i], &action, &m_previous[i]) == 0;
            }
        }
    }
    ~EndOnSignals() {
        if (s_pipe[0] < 0) {
            return;
        }
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            if (m_installed[i]) {
                ::sigaction(kSignals[i], &m_previous[i], nullptr);
            }
        }
        m_notifier.reset();
        ::close(s_pipe[0]);
        ::close(s_pipe[1]);
        s_pipe = {-1, -1};
    }

    /// Lets the message loop read the pipe, signals that came before included. Needs the application.
    void listen() {
        if (s_pipe[0] < 0) {
            return;
        }
        m_notifier = std::make_unique<QSocketNotifier>(s_pipe[0], QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [] {
            char byte = 0;
            while (::read(s_pipe[0], &byte, 1) > 0) {
            }
            end();
        });
    }

private:
    static void onSignal(int /*signal*/) {
        const int saved = errno;
        const char byte = 1;
        [[maybe_unused]] const auto written = ::write(s_pipe[1], &byte, 1);
        errno = saved;
    }

    static constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};
    static inline std::array<int, 2> s_pipe{-1, -1};
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::array<struct sigaction, kSignals.size()> m_previous{};
    std::array<bool, kSignals.size()> m_installed{};
};

} // namespace ringcalc::runtime
