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

#include "app/application.h"
#include "app/frmmenu.h"
#include "app/frmsplash.h"
#include "figures/windowtable.h"
#include "geometry/figure.h"
#include "model/calculator.h"

namespace {

bool save(Form& form, const QDir& directory, const QString& name)
{
    // No box shows a caret.
    if (qobject_cast<QLineEdit*>(form.focusWidget()))
        form.setFocus();
    QApplication::processEvents();
    const QString file = directory.filePath(name + QLatin1String(".png"));
    const bool saved = form.grab().save(file);
    std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "saved" : "cannot save", qPrintable(file));
    form.close();
    return saved;
}

// A calculator window with its figure's worked example typed in and
// calculated.
Form& calculated(const CalculatorWindow& window)
{
    Calculator& form = window.show();
    const QList<Form::Entry> entries = form.entries();
    qsizetype box = 0;
    for (QStringView entry : window.figure.example)
        entries.at(box++).box->setText(entry.toString());
    // Pressed, as a pupil presses it: the button has the focus.
    auto* calculate = form.findChild<QPushButton*>();
    calculate->click();
    calculate->setFocus();
    return form;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setupApplication();
    finishSetup();
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "usage: tessaro-screenshots <directory> [name...]\n");
        return 2;
    }
    QDir directory(arguments.first());
    directory.mkpath(QStringLiteral("."));
    const QStringList names = arguments.mid(1);

    // A calculator window is named after the menu picture that opens it, in
    // lower case: "square", "trape", "cylinder", ...
    const auto nameOf = [](const CalculatorWindow& window) { return QString::fromLatin1(window.picture).toLower(); };
    QStringList known{QStringLiteral("splash"), QStringLiteral("menu")};
    for (const CalculatorWindow& window : calculatorWindows)
        known << nameOf(window);
    for (const QString& name : names) {
        if (!known.contains(name)) {
            std::fprintf(stderr, "no window named %s; the names are: %s\n", qPrintable(name),
                         qPrintable(known.join(u' ')));
            return 2;
        }
    }

    const auto wanted = [&names](const QString& name) { return names.isEmpty() || names.contains(name); };
    bool ok = true;
    if (wanted(QStringLiteral("splash")))
        ok = save(showForm<frmSplash>(), directory, QStringLiteral("splash")) && ok;
    if (wanted(QStringLiteral("menu")))
        ok = save(showForm<frmMenu>(), directory, QStringLiteral("menu")) && ok;
    for (const CalculatorWindow& window : calculatorWindows) {
        if (wanted(nameOf(window)))
            ok = save(calculated(window), directory, nameOf(window)) && ok;
    }
    return ok ? 0 : 1;
}
