// The bare Qt program that Tessaro's start-up is measured against: an
// application object and one plain window as large as the splash, shown;
// built with the same flags as the program.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(395, 298);
    window.show();
    return app.exec();
}
