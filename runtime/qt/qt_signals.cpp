// Ending the program cleanly on SIGTERM, SIGINT and SIGHUP.
#include "runtime/qt/qt_signals.h"

#include "runtime/program.h"

#include <QSocketNotifier>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace ringcalc::runtime {
namespace {

// A signal handler may do next to nothing, so it only writes a byte into a pipe; the message loop reads it
// and ends the program as "Exit" does. A desktop session that logs out, or a user's kill, then ends the
// program cleanly with status 0.
std::array<int, 2> signalPipe{-1, -1};

void onSignal(int /*signal*/) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

EndOnSignals::EndOnSignals() {
    if (::pipe2(signalPipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
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

EndOnSignals::~EndOnSignals() {
    if (signalPipe[0] < 0) {
        return;
    }
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        if (m_installed[i]) {
            ::sigaction(kSignals[i], &m_previous[i], nullptr);
        }
    }
    m_notifier.reset();
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe = {-1, -1};
}

void EndOnSignals::listen() {
    if (signalPipe[0] < 0) {
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [] {
        char byte = 0;
        while (::read(signalPipe[0], &byte, 1) > 0) {
        }
        end();
    });
}

} // namespace ringcalc::runtime
