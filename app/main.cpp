#include <QApplication>

#include "app/application.h"
#include "app/form.h"
#include "figures/plane/frmsquare.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setupApplication();
    showForm<frmsquare>();
    return app.exec();
}
