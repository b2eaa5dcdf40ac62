#include <QApplication>

#include "app/application.h"
#include "app/commandline/commandline.h"
#include "app/display.h"
#include "app/frmsplash.h"
#include "app/runtimedir.h"
#include "model/form.h"

int main(int argc, char* argv[])
{
    if (wantsCommandLine(argc, argv))
        return runCommandLine(argc, argv);
    if (const int status = refuseWrongArguments(argc, argv))
        return status;
    useFitRuntimeDir();
    joinAccessibilityBus();
    const std::unique_ptr<QApplication> app = openDisplay(argc, argv);
    if (const int status = refuseLeftArguments(argc, argv))
        return status;
    setupApplication();
    afterShown(&showForm<frmSplash>(), finishSetup);
    return app->exec();
}
