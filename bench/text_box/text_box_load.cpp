// Load of a huge paste into a text box: the real window's box against a bare QLineEdit.
#include "app/project.h"
#include "fake_view.h"
#include "runtime/program.h"
#include "runtime/qt/qt_form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

namespace {

[[nodiscard]] double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

[[nodiscard]] double residentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0;
}

} // namespace

// Usage: text_box_load ringcalc|bare BOX CHARACTERS. Pastes that many digits into the box (Text1, Text2 or
// Text3 of the real window; the bare window has one box and one button), then prints the paste's time, the
// share of a core used over the next 5 s with the box focused, the time a click on the button takes to
// answer (its action and the repaint it causes), and the resident memory.
int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s ringcalc|bare BOX CHARACTERS\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const bool bare = std::strcmp(argv[1], "bare") == 0;
    const auto characters = static_cast<qsizetype>(std::atoll(argv[3]));

    ringcalc::testing::RecordingMessageBox box;
    const ringcalc::runtime::ProjectDescriptor project = ringcalc::app::projectDescriptor();
    std::unique_ptr<ringcalc::runtime::Program> program;
    QWidget bareWindow;
    QLineEdit* edit = nullptr;
    QAbstractButton* button = nullptr;
    QWidget* window = nullptr;
    if (bare) {
        // The same box and button in the same places, and nothing else.
        bareWindow.resize(732, 94);
        edit = new QLineEdit(&bareWindow);
        edit->setMaxLength(std::numeric_limits<int>::max());
        edit->setGeometry(4, 8, 121, 25);
        button = new QPushButton(QStringLiteral("Вывод данных"), &bareWindow);
        button->setGeometry(388, 8, 233, 57);
        bareWindow.show();
        window = &bareWindow;
    } else {
        program = std::make_unique<ringcalc::runtime::Program>(project, box);
        edit = &dynamic_cast<QLineEdit&>(program->form().native().control(argv[2]));
        button = &dynamic_cast<QAbstractButton&>(program->form().native().control("Command2"));
        window = &program->form().native().window();
    }
    if (!QTest::qWaitForWindowActive(window)) {
        std::fprintf(stderr, "the window did not become active\n");
        return 1;
    }
    edit->setFocus();
    edit->selectAll();

    QElapsedTimer timer;
    timer.start();
    QGuiApplication::clipboard()->setText(QString(characters, QLatin1Char('7')));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
    QGuiApplication::clipboard()->clear();
    const qint64 pasteMs = timer.elapsed();
    if (edit->text().size() != characters) {
        std::fprintf(stderr, "the box holds %lld characters, not %lld\n", static_cast<long long>(edit->text().size()),
                     static_cast<long long>(characters));
        return 1;
    }

    QTest::qWait(1000); // the issue allows a second to settle
    const double cpuBefore = cpuSeconds();
    timer.restart();
    QTest::qWait(5000);
    const double busy = 100.0 * (cpuSeconds() - cpuBefore) / (static_cast<double>(timer.elapsed()) / 1000.0);

    timer.restart();
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
    const qint64 clickMs = timer.elapsed();

    std::printf("paste_ms %lld busy_percent %.1f click_ms %lld resident_mb %.0f\n", static_cast<long long>(pasteMs),
                busy, static_cast<long long>(clickMs), residentMegabytes());
    return 0;
}
