#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

// The same kinds and number of controls as the calculator window, placed at fixed spots,
// with no fonts, colours or logic of its own.
int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(797, 239);
    int slot = 0;
    const auto place = [&slot](QWidget *control) {
        control->setGeometry(8 + (slot % 6) * 130, 8 + (slot / 6) * 28, 120, 24);
        ++slot;
    };
    for (int i = 0; i < 7; ++i)
        place(new QLabel(QStringLiteral("Label %1").arg(i), &window));
    for (int i = 0; i < 5; ++i)
        place(new QLineEdit(&window));
    for (int i = 0; i < 12; ++i)
        place(new QPushButton(QStringLiteral("Button %1").arg(i), &window));
    for (int i = 0; i < 3; ++i)
        place(new QCheckBox(QStringLiteral("Check %1").arg(i), &window));
    for (int i = 0; i < 2; ++i)
        place(new QRadioButton(QStringLiteral("Option %1").arg(i), &window));
    auto *list = new QComboBox(&window);
    list->setEditable(true);
    list->addItems({QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8")});
    place(list);
    auto *output = new QPlainTextEdit(&window);
    output->setGeometry(448, 40, 337, 185);
    window.show();
    return app.exec();
}
