// The yardstick for start-up time and memory: one QMainWindow with one label,
// built with the same flags as Palmora.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.setCentralWidget(new QLabel(QStringLiteral("Hello"), &window));
    window.resize(775, 482);
    window.show();
    return QApplication::exec();
}
