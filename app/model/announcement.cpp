#include "app/model/announcement.h"

#include <QGroupBox>

#include <algorithm>

#include "app/model/controls.h"
#include "app/model/readingorder.h"

// The results become the description of the control that has the focus
// (the "Calculate" button after a click), which a screen reader speaks when
// it changes. Qt tells the screen reader of every new description, also
// when the results are the same as last time.
void announceResults(QWidget* window, const QList<StepLine*>& written)
{
    QStringList results;
    for (const QGroupBox* frame : framesLeftToRight(window)) {
        const auto last = std::find_if(written.rbegin(), written.rend(),
                                       [frame](const StepLine* line) { return line->parentWidget() == frame; });
        if (last != written.rend() && !(*last)->caption().isEmpty())
            results << frame->title() + QStringLiteral(": ") + (*last)->caption().trimmed();
    }
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    target->setAccessibleDescription(results.join(QStringLiteral("; ")));
}
