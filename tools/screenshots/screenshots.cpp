// Saves a screenshot of each window, filled in with a worked example and
// calculated, as <directory>/<name>.png:
//
//     tessaro-screenshots <directory> [name...]
//
// Without names it takes every window. The pictures are taken from the
// windows themselves, so they need no display (QT_QPA_PLATFORM=offscreen);
// QT_SCALE_FACTOR=2 gives them at twice the size.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>
#include <functional>

#include "app/application.h"
#include "app/form.h"
#include "app/frmmenu.h"
#include "app/frmsplash.h"
#include "figures/coordinate/frmgrid.h"
#include "figures/coordinate/frmpryther.h"
#include "figures/plane/frmcircle.h"
#include "figures/plane/frmparallelogram.h"
#include "figures/plane/frmsquare.h"
#include "figures/plane/frmtrapezoid.h"
#include "figures/plane/frmtriangle.h"
#include "figures/solid/frmcone.h"
#include "figures/solid/frmcylinder.h"
#include "figures/solid/frmpyramid.h"
#include "figures/solid/frmrecsolid.h"
#include "figures/solid/frmsphere.h"

namespace {

struct Entry
{
    const char* box;
    const char* text;
};

struct Shot
{
    const char* name;
    std::function<Form&()> open;
    QList<Entry> entries; // typed in before "Calculate" is pressed
};

template <class F> std::function<Form&()> opener()
{
    return [] () -> Form& { return showForm<F>(); };
}

const QList<Shot>& shots()
{
    static const QList<Shot> all{
        {"splash", opener<frmSplash>(), {}},
        {"menu", opener<frmMenu>(), {}},
        {"rectangle", opener<frmsquare>(), {{"Lenth", "4"}, {"Wid", "2.5"}}},
        {"triangle", opener<FrmTriangle>(),
         {{"Base", "6"}, {"Hght", "4"}, {"side1", "5"}, {"side2", "5"}, {"side3", "6"}}},
        {"trapezoid", opener<FrmTrapezoid>(),
         {{"Base1", "4"}, {"Base2", "8"}, {"Hgt", "3"}, {"Side1", "4"}, {"Side2", "3.5"}, {"Side3", "8"}, {"Side4", "3.5"}}},
        {"parallelogram", opener<FrmParallelogram>(), {{"bse", "6"}, {"Hgt", "4"}, {"Slenght", "5"}}},
        {"circle", opener<FrmCircle>(), {{"Radius", "2"}}},
        {"recsolid", opener<FrmRecSolid>(), {{"Lnght", "4"}, {"Wdth", "3"}, {"hgt", "2"}}},
        {"cylinder", opener<FrmCylinder>(), {{"Hgt", "3"}, {"Radius", "2"}}},
        {"cone", opener<FrmCone>(), {{"Radius", "3"}, {"Hgt", "4"}, {"Slnght", "5"}}},
        {"sphere", opener<FrmSphere>(), {{"Radius", "2"}}},
        {"pyramid", opener<FrmPyramid>(), {{"Lnght", "4"}, {"Hght", "3"}, {"SLnght", "3.6"}}},
        {"distmid", opener<FrmGrid>(), {{"Ix1", "1"}, {"Iy1", "2"}, {"Ix2", "4"}, {"Iy2", "6"}}},
        {"theorem", opener<FrmPryTher>(), {{"IputA", "3"}, {"IputB", "4"}}},
    };
    return all;
}

bool take(const Shot& shot, const QDir& directory)
{
    Form& form = shot.open();
    for (const Entry& entry : shot.entries) {
        auto* box = form.findChild<QLineEdit*>(QLatin1String(entry.box));
        if (!box) {
            std::fprintf(stderr, "%s has no box %s\n", shot.name, entry.box);
            return false;
        }
        box->setText(QLatin1String(entry.text));
    }
    if (!shot.entries.isEmpty())
        form.findChild<QPushButton*>()->click();
    QApplication::processEvents();
    const QString file = directory.filePath(QLatin1String(shot.name) + QLatin1String(".png"));
    const bool saved = form.grab().save(file);
    std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "saved" : "cannot save", qPrintable(file));
    form.close();
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setupApplication();
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "usage: tessaro-screenshots <directory> [name...]\n");
        return 2;
    }
    QDir directory(arguments.first());
    directory.mkpath(QStringLiteral("."));
    const QStringList names = arguments.mid(1);

    bool ok = true;
    for (const Shot& shot : shots()) {
        if (names.isEmpty() || names.contains(QLatin1String(shot.name)))
            ok = take(shot, directory) && ok;
    }
    return ok ? 0 : 1;
}
