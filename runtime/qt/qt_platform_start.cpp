// Qt's window platform as the application starts: one clear line instead of an abort when none can start.
#include "runtime/qt/qt_platform_start.h"

#include "runtime/start_failure.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdlib>
#include <string>
#include <vector>

namespace ringcalc::runtime {
namespace {

struct Held {
    QtMsgType type;
    std::string file;
    int line;
    std::string function;
    std::string category;
    QString message;
};

std::string_view startingProgram;
QtMessageHandler previousHandler = nullptr;
std::vector<Held> held;

// Qt's own last words name the platforms it has; the environment tells which was asked for.
std::string platformProblem(const QString& fatal) {
    const QString marker = QStringLiteral("Available platform plugins are: ");
    const qsizetype at = fatal.indexOf(marker);
    QString available = at < 0 ? QString() : fatal.mid(at + marker.size()).trimmed();
    if (available.endsWith(QLatin1Char('.'))) {
        available.chop(1);
    }
    const QStringList names = available.split(QStringLiteral(", "), Qt::SkipEmptyParts);
    const QString asked = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!asked.isEmpty()) {
        const QString name = asked.section(QLatin1Char(';'), 0, 0).section(QLatin1Char(':'), 0, 0);
        if (!names.contains(name)) {
            return "there is no window platform \"" + name.toStdString() +
                   "\" (QT_QPA_PLATFORM); unset QT_QPA_PLATFORM or set it to one of: " + available.toStdString();
        }
    }
    const QString display = qEnvironmentVariable("DISPLAY");
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty() && wayland.isEmpty()) {
        return "no display is set; run it in a desktop session, or set DISPLAY (X11) or WAYLAND_DISPLAY "
               "(Wayland) to a running one";
    }
    const QString shown =
        !display.isEmpty() ? QStringLiteral("DISPLAY=") + display : QStringLiteral("WAYLAND_DISPLAY=") + wayland;
    return "the display " + shown.toStdString() +
           " cannot be reached; check that it runs and may be used, or set DISPLAY or WAYLAND_DISPLAY to one "
           "that does";
}

void hold(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        tellStartFailure(startingProgram, "cannot open its window: " + platformProblem(message));
        std::_Exit(1);
    }
    const auto text = [](const char* s) { return std::string(s != nullptr ? s : ""); };
    held.push_back({type, text(context.file), context.line, text(context.function), text(context.category), message});
}

} // namespace

PlatformStart::PlatformStart(std::string_view program) {
    startingProgram = program;
    previousHandler = qInstallMessageHandler(hold);
}

PlatformStart::~PlatformStart() {
    qInstallMessageHandler(previousHandler);
    for (const Held& m : held) {
        const QMessageLogContext context(m.file.c_str(), m.line, m.function.c_str(), m.category.c_str());
        previousHandler(m.type, context, m.message);
    }
    held.clear();
}

} // namespace ringcalc::runtime
