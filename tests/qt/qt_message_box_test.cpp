// Tests of the desktop's message box and of the dispatch boundary's reports.
#include "app/project.h"
#include "core/radius_check.h"
#include "fake_view.h"
#include "runtime/dispatch.h"
#include "runtime/form.h"
#include "runtime/program.h"
#include "runtime/qt/qt_form.h"
#include "runtime/qt/qt_message_box.h"
#include "runtime/runtime_error.h"
#include "window_cases.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <utility>

namespace ringcalc::testing {
namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool modal = false;
    const QWindow* transientParent = nullptr; // the window the window manager keeps it over
};

// Watches for the next modal message box, records what it shows and closes it by clicking the button whose
// text is pressText (the first button when empty). It polls, so it finds the box however slowly it comes up.
class BoxCloser {
public:
    explicit BoxCloser(QString pressText = {}) : m_pressText(std::move(pressText)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { closeIfShown(); });
        m_timer.start(10);
    }

    SeenBox seen;
    bool closed = false;

private:
    void closeIfShown() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || closed) {
            return;
        }
        seen = {
            box->windowTitle(), box->text(), box->icon(), {}, box->isModal(), box->windowHandle()->transientParent()};
        QAbstractButton* press = box->buttons().front();
        for (QAbstractButton* b : box->buttons()) {
            seen.buttons << b->text().remove('&');
            if (b->text().remove('&') == m_pressText) {
                press = b;
            }
        }
        closed = true;
        press->click();
    }

    QString m_pressText;
    QTimer m_timer;
};

int showAndClose(int style, SeenBox& seen, const QString& pressText = {}) {
    BoxCloser closer(pressText);
    runtime::QtMessageBox messageBox;
    const int result = messageBox.show("первая\rвторая", style, "Заголовок");
    EXPECT_TRUE(closer.closed);
    seen = closer.seen;
    return result;
}

TEST(QtMessageBox, StyleSixteenIsTheStopIconWithOneOkButton) {
    SeenBox seen;
    EXPECT_EQ(showAndClose(16, seen), 1);
    EXPECT_EQ(seen.title, "Заголовок");
    EXPECT_EQ(seen.text, "первая\nвторая"); // the carriage return shows as a line break
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons.size(), 1);
    EXPECT_TRUE(seen.modal);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

TEST(QtMessageBox, OtherStylesPickTheirIconAndButtons) {
    SeenBox seen;
    EXPECT_EQ(showAndClose(4 + 32, seen, "No"), 7);
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons.size(), 2);
    EXPECT_EQ(showAndClose(1 + 48, seen, "Cancel"), 2);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(showAndClose(64, seen), 1);
    EXPECT_EQ(seen.icon, QMessageBox::Information);
}

TEST(QtMessageBox, TheRadiusWarningShowsAsTwoLines) {
    const BoxCloser closer;
    FakeView form("1", "2", "360");
    runtime::QtMessageBox messageBox;
    core::CheckRadii(form, messageBox);
    ASSERT_TRUE(closer.closed);
    EXPECT_EQ(closer.seen.text, "Внутренний радиус больше внешнего, \nрезультат вычислений будет неверен");
    EXPECT_EQ(closer.seen.title, kWarningTitle);
    EXPECT_EQ(closer.seen.icon, QMessageBox::Critical);
}

TEST(QtMessageBox, TheWarningBelongsToItsWindowWhicheverWindowIsActive) {
    const runtime::ProjectDescriptor project = app::projectDescriptor();
    runtime::QtMessageBox messageBox;
    const runtime::Program program(project, messageBox);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    const BoxCloser closer;
    // A change that comes while another window is active, as from a clipboard or accessibility tool: 2 > 1.
    dynamic_cast<QLineEdit&>(program.form().native().control("Text2")).setText("2");
    ASSERT_TRUE(closer.closed);
    EXPECT_EQ(closer.seen.title, kWarningTitle);
    EXPECT_EQ(closer.seen.transientParent, program.form().native().window().windowHandle());
}

} // namespace
} // namespace ringcalc::testing
