// Tests of the real window: its controls, the focus, both actions, errors and the ends of the program.
#include "qt_window_fixture.h"
#include "runtime/dispatch.h"
#include "window_cases.h"
#include "window_checks.h"

#include <QAccessible>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFrame>
#include <QRect>

#include <string>

namespace ringcalc::testing {
namespace {

const QString kStartCaption = QStringLiteral("Результат вычислений");
const QString kStartLineText = QString::fromUtf8(kStartLine);

TEST_F(WindowTest, StartsWithTheDescribedTextsAndFocusOnTheResultButton) {
    EXPECT_EQ(window().windowTitle(), "Form1");
    EXPECT_EQ(window().size(), QSize(732, 94)); // 10980 × 1410 twips at 15 twips a pixel
    EXPECT_EQ(box("Text1").text(), "1");
    EXPECT_EQ(box("Text2").text(), "0");
    EXPECT_EQ(box("Text3").text(), "360");
    EXPECT_EQ(button("Command2").text(), "Вывод данных");
    EXPECT_EQ(button("Command1").text(), "Exit");
    EXPECT_EQ(label("Label1").text(), "Внешний радиус");
    EXPECT_EQ(label("Label2").text(), "Внутренний радиус");
    EXPECT_EQ(label("Label3").text(), "Угол сектора");
    EXPECT_EQ(caption(), kStartCaption);
    EXPECT_EQ(QApplication::focusWidget(), &control("Command2"));
    EXPECT_TRUE(m_box.shown.empty());
}

TEST_F(WindowTest, ControlsStandWhereTheDescriptionPutsThem) {
    for (const auto& p : kPlaces) {
        EXPECT_EQ(control(p.name).geometry(), QRect(p.left, p.top, p.width, p.height)) << p.name;
    }
    EXPECT_EQ(label("Label4").pos(), QPoint(4, 72));
    // Resizing the window moves nothing.
    window().resize(900, 300);
    EXPECT_EQ(control("Command1").geometry(), QRect(632, 8, 93, 57));
}

TEST_F(WindowTest, CaptionsAreBlueAndCentredAndTheResultIsRedInABorder) {
    for (const char* name : {"Label1", "Label2", "Label3"}) {
        EXPECT_EQ(label(name).palette().color(QPalette::WindowText), QColor(0, 0, 255)) << name; // 0x00FF0000
        EXPECT_TRUE(label(name).alignment() & Qt::AlignHCenter) << name;
        EXPECT_EQ(label(name).frameShape(), QFrame::NoFrame) << name;
        EXPECT_EQ(label(name).buddy(), &control(name == std::string("Label1")   ? "Text1"
                                                : name == std::string("Label2") ? "Text2"
                                                                                : "Text3"));
    }
    const QLabel& result = label("Label4");
    EXPECT_EQ(result.palette().color(QPalette::WindowText), QColor(255, 0, 0)); // 0x000000FF
    EXPECT_EQ(result.frameShape(), QFrame::Box);
    EXPECT_EQ(result.frameShadow(), QFrame::Plain);
    EXPECT_EQ(result.lineWidth(), 1);
    EXPECT_EQ(result.size(), result.sizeHint()); // fitted to the start caption
    EXPECT_GE(result.width(), result.fontMetrics().horizontalAdvance(kStartCaption) + 2);
    EXPECT_FALSE(result.focusPolicy() & Qt::TabFocus);
}

TEST_F(WindowTest, TheResultLabelGrowsAndShrinksWithItsLine) {
    QLabel& result = label("Label4");
    const int startWidth = result.width();
    QTest::mouseClick(&button("Command2"), Qt::LeftButton);
    ASSERT_EQ(caption(), kStartLineText);
    const int lineWidth = result.width();
    EXPECT_GT(lineWidth, startWidth);
    EXPECT_EQ(result.size(), result.sizeHint());
    EXPECT_GE(lineWidth, result.fontMetrics().horizontalAdvance(kStartLineText) + 2); // the text plus its border

    setText("Text1", "-1.23456789012345e100"); // every number takes 15 digits and an exponent
    setText("Text3", "-1.23456789012345e100");
    window().resize(600, 94); // narrowed by the user, so that the longest line reaches past its edge
    QTest::mouseClick(&button("Command2"), Qt::LeftButton);
    EXPECT_GT(result.width(), lineWidth);
    EXPECT_GT(result.geometry().right(), window().width()); // cut at the window's edge, the window keeps its size
    EXPECT_EQ(window().size(), QSize(600, 94));

    setText("Text1", "1");
    setText("Text3", "360");
    QTest::mouseClick(&button("Command2"), Qt::LeftButton);
    EXPECT_EQ(result.width(), lineWidth); // narrower again
    EXPECT_EQ(result.pos(), QPoint(4, 72));
}

TEST_F(WindowTest, TabCyclesThroughTheBoxesAndButtonsOnly) {
    const char* order[] = {"Text1", "Text2", "Text3", "Command1", "Command2", "Text1"};
    for (const char* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), &control(next)) << "expected " << next;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), &control("Command2"));
}

TEST_F(WindowTest, SpaceOrEnterOnTheStartFocusOrEnterInABoxShowsTheResult) {
    for (const auto key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        label("Label4").setText(kStartCaption);
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(caption(), kStartLineText) << key;
    }
    // Typing into a box changes no result; Enter in any box presses "Вывод данных", the window's default
    // button, and Escape does nothing at all.
    setText("Text3", "180");
    for (const char* name : {"Text1", "Text2", "Text3"}) {
        label("Label4").setText(kStartCaption);
        box(name).setFocus();
        QTest::keyClick(&box(name), Qt::Key_Escape);
        EXPECT_EQ(caption(), kStartCaption) << name;
        for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
            label("Label4").setText(kStartCaption);
            QTest::keyClick(&box(name), key);
            // 3.14 × 180 ÷ 360 = 1.57; 180 × 100 ÷ 360 = 50.
            EXPECT_EQ(caption(), "Площадь: кольца=3.14; сектора=1.57; в процентах=50%") << name << " " << key;
        }
        EXPECT_EQ(QApplication::focusWidget(), &control(name)); // the caret stays where the user typed
    }
    EXPECT_EQ(box("Text1").text(), "1");
    EXPECT_EQ(box("Text3").text(), "180");
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(m_box.shown.empty());
}

TEST_F(WindowTest, EveryChangeOfTheInnerRadiusIsChecked) {
    for (const auto& c : kKeystrokes) {
        setText("Text1", c.outer);
        setText("Text2", c.inner);
        box("Text2").setFocus();
        box("Text2").end(false);
        for (std::size_t i = 0; c.typed[i] != 0; ++i) {
            const auto before = m_box.shown.size();
            if (c.typed[i] == '\b') {
                QTest::keyClick(&box("Text2"), Qt::Key_Backspace);
            } else {
                QTest::keyClicks(&box("Text2"), QString(QChar(c.typed[i])));
            }
            EXPECT_EQ(m_box.shown.size() - before, c.warnsAt[i] == '1' ? 1U : 0U)
                << "outer " << c.outer << ", inner " << c.inner << ", key " << i;
        }
        EXPECT_EQ(box("Text1").text(), c.outer); // the check changes nothing
    }
    EXPECT_EQ(caption(), kStartCaption);
}

TEST_F(WindowTest, APasteACutAndTypingOverASelectionAreOneChangeEach) {
    // With −1 as the outer radius every inner text warns, so the warnings count the changes.
    setText("Text1", "-1");
    setText("Text2", "12345");
    QLineEdit& inner = box("Text2");
    inner.setFocus();

    QGuiApplication::clipboard()->setText("678");
    inner.setSelection(1, 2); // "23"
    QTest::keyClick(&inner, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(inner.text(), "167845");
    EXPECT_EQ(m_box.shown.size(), 1U);

    inner.setSelection(0, 3);
    QTest::keyClick(&inner, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(inner.text(), "845");
    EXPECT_EQ(m_box.shown.size(), 2U);

    inner.selectAll();
    QTest::keyClicks(&inner, "9");
    EXPECT_EQ(inner.text(), "9");
    EXPECT_EQ(m_box.shown.size(), 3U);

    expectEachIsTheWarning(m_box.shown);
}

TEST_F(WindowTest, ChangesOfTheOtherBoxesAreNotChecked) {
    setText("Text2", "5");
    QTest::keyClicks(&box("Text1"), "\b0"); // lowering the outer radius below the inner shows nothing
    box("Text1").setText("0");
    QTest::keyClicks(&box("Text3"), "12");
    EXPECT_TRUE(m_box.shown.empty());
    QTest::keyClicks(&box("Text2"), "0"); // until the inner radius changes again
    EXPECT_EQ(m_box.shown.size(), 1U);
}

TEST_F(WindowTest, AnOverflowIsReportedAndLosesNothing) {
    setText("Text1", "1e200");
    QTest::mouseClick(&button("Command2"), Qt::LeftButton);
    ASSERT_EQ(m_box.shown.size(), 1U);
    EXPECT_EQ(m_box.shown[0].title, runtime::kErrorBoxTitle);
    EXPECT_EQ(m_box.shown[0].prompt, "Переполнение: число слишком велико");
    EXPECT_EQ(m_box.shown[0].style, runtime::kStyleCritical);
    EXPECT_EQ(box("Text1").text(), "1e200");
    EXPECT_EQ(box("Text2").text(), "0");
    EXPECT_EQ(box("Text3").text(), "360");
    EXPECT_EQ(caption(), kStartCaption);
    EXPECT_TRUE(window().isVisible());

    // The window stays usable: a sound input shows its result.
    setText("Text1", "1");
    QTest::mouseClick(&button("Command2"), Qt::LeftButton);
    EXPECT_EQ(caption(), kStartLineText);
    EXPECT_TRUE(m_box.shown.empty());
}

struct BoxAtFault {
    const char* outer;
    const char* inner;
    const char* typed; // into the inner radius box, the cursor at the end
    const char* report;
};

TEST_F(WindowTest, AnOverflowWhileReadingABoxNamesTheBox) {
    const BoxAtFault cases[] = {
        {"1", "0", "e999", nullptr}, // "0e999" is zero: no box
        {"1", "", "1e999", "Внутренний радиус: число слишком велико"},
        {"1e309", "0", "5", "Внешний радиус: число слишком велико"}, // the outer box is at fault, not the typed one
    };
    for (const auto& c : cases) {
        setText("Text1", c.outer);
        setText("Text2", c.inner);
        box("Text2").end(false);
        QTest::keyClicks(&box("Text2"), c.typed);
        if (c.report == nullptr) {
            EXPECT_TRUE(m_box.shown.empty()) << c.typed;
            continue;
        }
        ASSERT_FALSE(m_box.shown.empty()) << c.typed;
        EXPECT_EQ(m_box.shown.back().title, runtime::kErrorBoxTitle);
        EXPECT_EQ(m_box.shown.back().prompt, c.report);
        EXPECT_EQ(box("Text1").text(), c.outer); // kept as typed
        EXPECT_EQ(box("Text2").text(), QString(c.inner) + c.typed);
    }
    // "Вывод данных" names the same box.
    setText("Text2", "0");
    QTest::mouseClick(&button("Command2"), Qt::LeftButton);
    ASSERT_EQ(m_box.shown.size(), 1U);
    EXPECT_EQ(m_box.shown[0].prompt, "Внешний радиус: число слишком велико");
}

TEST_F(WindowTest, ExitEndsTheLoopWithStatusZero) {
    setText("Text1", "something typed");
    EXPECT_EQ(runLoop([this] { QTest::mouseClick(&button("Command1"), Qt::LeftButton); }), 0);
    EXPECT_FALSE(window().isVisible());
    EXPECT_TRUE(m_box.shown.empty()); // no question asked
}

TEST_F(WindowTest, EnterOnExitEndsTheLoopToo) {
    EXPECT_EQ(runLoop([this] {
                  button("Command1").setFocus();
                  QTest::keyClick(&button("Command1"), Qt::Key_Return);
              }),
              0);
}

TEST_F(WindowTest, TheCloseBoxEndsTheLoopWithStatusZero) {
    EXPECT_EQ(runLoop([this] { window().close(); }), 0);
    EXPECT_TRUE(m_box.shown.empty());
}

TEST_F(WindowTest, ScreenReadersAnnounceTheBoxesByTheirCaptions) {
    const std::pair<const char*, const char*> names[] = {
        {"Text1", "Внешний радиус"}, {"Text2", "Внутренний радиус"}, {"Text3", "Угол сектора"}};
    for (const auto& [control, name] : names) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&this->control(control));
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), name) << control;
    }
    QTest::mouseClick(&button("Command2"), Qt::LeftButton);
    QAccessibleInterface* result = QAccessible::queryAccessibleInterface(&label("Label4"));
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->text(QAccessible::Name), kStartLineText);
}

TEST_F(WindowTest, AMegabytePasteIntoTheInnerRadiusRunsOneQuickCheck) {
    setText("Text1", "1");
    QLineEdit& inner = box("Text2");
    inner.setFocus();
    inner.selectAll();
    const QString megabyte(1'000'000, QLatin1Char('7'));
    QGuiApplication::clipboard()->setText(megabyte);
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(&inner, Qt::Key_V, Qt::ControlModifier);
    const qint64 elapsed = timer.elapsed();
    EXPECT_EQ(inner.text().size(), megabyte.size()); // nothing is cut short
    // A million sevens is beyond a double: the one check reports the overflow, once.
    ASSERT_EQ(m_box.shown.size(), 1U);
    EXPECT_EQ(m_box.shown[0].title, runtime::kErrorBoxTitle);
    // Generous: only a cost that grows with the square of the length would come near it.
    EXPECT_LE(elapsed, timeBound(5000)) << "ms for the paste and its check";
}

TEST_F(WindowTest, AMegabyteOfDigitsAsTheOuterRadiusReportsOverflowAndLosesNothing) {
    const QString megabyte(1'000'000, QLatin1Char('9'));
    setText("Text1", megabyte);
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(&button("Command2"), Qt::LeftButton);
    EXPECT_LE(timer.elapsed(), timeBound(5000)) << "ms for the result";
    ASSERT_EQ(m_box.shown.size(), 1U);
    EXPECT_EQ(m_box.shown[0].prompt, "Внешний радиус: число слишком велико");
    EXPECT_EQ(box("Text1").text(), megabyte);
    EXPECT_EQ(caption(), kStartCaption);
}

TEST_F(WindowTest, CarriesTheVersionAndTheIcon) {
    EXPECT_EQ(QCoreApplication::applicationVersion().toStdString(), m_project.applicationVersion);
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.ringcalc.RingCalc");
    const QList<QSize> sizes = window().windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

} // namespace
} // namespace ringcalc::testing
