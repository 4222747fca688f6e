#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Merolan programmer"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Merolan programmer"));
    window.show();
    return app.exec();
}
