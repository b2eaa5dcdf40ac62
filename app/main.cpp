#include <QApplication>

#include "app/application.h"
#include "app/commandline.h"
#include "app/model/form.h"
#include "app/frmsplash.h"

int main(int argc, char* argv[])
{
    if (wantsCommandLine(argc, argv))
        return runCommandLine(argc, argv);
    joinAccessibilityBus();
    QApplication app(argc, argv);
    setupApplication();
    afterShown(&showForm<frmSplash>(), finishSetup);
    return app.exec();
}
