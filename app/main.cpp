#include <QApplication>

#include "app/application.h"
#include "app/model/form.h"
#include "app/frmsplash.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setupApplication();
    afterShown(&showForm<frmSplash>(), finishSetup);
    return app.exec();
}
