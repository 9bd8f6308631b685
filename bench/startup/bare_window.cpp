// bare_window: the start-up benchmark's peer, a bare Qt window with the calculator's nine controls in the
// same places and nothing else: no font fitting, no translation, no icon, no bindings.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("Form1");
    window.resize(732, 94);
    const struct {
        const char* text;
        QRect place;
    } boxes[] = {{"1", {4, 8, 121, 25}}, {"0", {132, 8, 121, 25}}, {"360", {260, 8, 121, 25}}},
      labels[] = {{"Внешний радиус", {4, 40, 121, 17}},
                  {"Внутренний радиус", {132, 40, 121, 17}},
                  {"Угол сектора", {260, 40, 121, 17}},
                  {"Результат вычислений", {4, 72, 120, 17}}};
    for (const auto& b : boxes) {
        (new QLineEdit(QString::fromUtf8(b.text), &window))->setGeometry(b.place);
    }
    for (const auto& l : labels) {
        (new QLabel(QString::fromUtf8(l.text), &window))->setGeometry(l.place);
    }
    (new QPushButton(QString::fromUtf8("Вывод данных"), &window))->setGeometry(388, 8, 233, 57);
    (new QPushButton("Exit", &window))->setGeometry(632, 8, 93, 57);
    window.show();
    return QApplication::exec();
}
