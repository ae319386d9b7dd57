// A bare Qt Widgets program with the main window's controls and nothing else: no logic, no icon,
// no translations. Start-up time and memory of the calculator are measured against it.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare form");
    auto* client = new QWidget(&window);
    client->setFixedSize(225, 240);
    window.setCentralWidget(client);
    window.menuBar()->addAction("&Esci");
    window.menuBar()->addAction("&Informazioni");

    (new QLineEdit(client))->setGeometry(8, 72, 209, 25);
    (new QLineEdit(client))->setGeometry(8, 16, 209, 26);
    (new QRadioButton(client))->setGeometry(200, 48, 17, 17);
    (new QRadioButton(client))->setGeometry(136, 48, 17, 17);
    (new QLabel("Converti in:", client))->move(8, 48);
    (new QLabel("Lire", client))->move(168, 48);
    (new QLabel("Euro", client))->move(104, 48);
    const char* captions[] = {"1", "2", "3", "/", "C", "4", "5", "6", "x", "CE",
                              "7", "8", "9", "-", "%", "+/-", "0", ",", "+", "="};
    const int columns[] = {8, 48, 88, 144, 184};
    for (int i = 0; i < 20; ++i) {
        (new QPushButton(captions[i], client))->setGeometry(columns[i % 5], 112 + 32 * (i / 5), 33, 25);
    }
    window.show();
    return QApplication::exec();
}
