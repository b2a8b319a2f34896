#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Aide et Suggestions pédagogiques - V2.1.0"));
    window.show();
    return app.exec();
}
