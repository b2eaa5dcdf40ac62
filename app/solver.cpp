#include "app/solver.h"

#include "model/form.h"
#include "figures/windowtable.h"

namespace {

// The option of that caption; its Click enables the boxes to type into.
void pick(const Form& form, const QString& caption)
{
    for (QRadioButton* option : form.findChildren<QRadioButton*>()) {
        if (option->text() == caption)
            option->click();
    }
}

void type(const Form::Entry& entry, const Problem::Entry& given)
{
    if (!entry.box->isEnabled())
        throw UsageError{QStringLiteral("%1 is the side solved for; it takes no value").arg(escaped(given.name))};
    if (given.value.size() > entry.box->maxLength()) {
        const QString start = given.value.left(20) + QStringLiteral("\u2026");
        throw UsageError{QStringLiteral("%1: %2 (%3 characters) is longer than the box holds (%4)")
                             .arg(escaped(given.name), quoted(start))
                             .arg(given.value.size())
                             .arg(entry.box->maxLength())};
    }
    entry.box->setText(given.value);
}

} // namespace

Solved solve(const Problem& problem)
{
    const std::unique_ptr<Form> form = problem.window->build();
    Solved solved;
    QObject::connect(form.get(), &Form::message, form.get(), [&solved](const QString& title, const QString& text) {
        solved.messages.append({title, text});
    });
    // The option first: it decides which box is solved for.
    if (!problem.option.isEmpty())
        pick(*form, problem.option);
    const QList<Form::Entry> entries = form->entries();
    for (const Problem::Entry& given : problem.entries)
        type(entries.at(given.box), given);
    form->findChild<QPushButton*>()->click();
    solved.solution = form->workedSolution();
    return solved;
}
