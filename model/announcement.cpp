#include "model/announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>
#include <QWidget>

// How the text reaches a screen reader. The obvious ways fail with Qt 6.4's
// AT-SPI bridge: it sends every change of an accessible name or description
// with the object itself where the new text belongs, and Orca 43 drops such
// an event ("bad content sent to speak()"); and a description left on the
// focused control is read out again later, when its numbers are no longer
// current. What the bridge and Orca do handle is a notification that
// shows: the bridge sends "showing" with the object, and Orca then asks the
// object for its name and speaks it. So each window keeps one notification
// that is never drawn, holding the text being told; telling is sending its
// "showing" event once. It sits in a status bar of its own, also never
// drawn, so that Orca speaks the text alone rather than after the word
// "notification".
namespace {

constexpr int kTypingPause = 750; // milliseconds

class Announcement : public QWidget
{
    Q_OBJECT

public:
    explicit Announcement(QWidget* bar)
        : QWidget(bar)
    {
        m_pause.setSingleShot(true);
        m_pause.setInterval(kTypingPause);
        connect(&m_pause, &QTimer::timeout, this, &Announcement::tell);
    }

    QString text() const { return m_text; }

    void setText(const QString& text, bool afterTyping)
    {
        m_text = text;
        if (afterTyping) {
            m_pause.start();
            return;
        }
        m_pause.stop();
        tell();
    }

private:
    void tell()
    {
        if (m_text.isEmpty() || !window()->isVisible())
            return;
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }

    QString m_text;
    QTimer m_pause;
};

class AnnouncementBar : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;
};

class AccessibleAnnouncement : public QAccessibleWidget
{
public:
    explicit AccessibleAnnouncement(Announcement* announcement)
        : QAccessibleWidget(announcement, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? static_cast<const Announcement*>(widget())->text() : QString();
    }
};

Announcement* announcementOf(const QWidget* window)
{
    return window->findChild<Announcement*>();
}

Announcement* makeAnnouncement(QWidget* window)
{
    if (Announcement* announcement = announcementOf(window))
        return announcement;
    auto* bar = new AnnouncementBar(window);
    bar->hide();
    return new Announcement(bar);
}

} // namespace

QAccessibleInterface* accessibleAnnouncement(const QString& className, QObject* object)
{
    if (className == QLatin1String("Announcement"))
        return new AccessibleAnnouncement(static_cast<Announcement*>(object));
    if (className == QLatin1String("AnnouncementBar"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
    return nullptr;
}

void announce(QWidget* window, const QString& text)
{
    makeAnnouncement(window)->setText(text, false);
}

void announceAfterTyping(QWidget* window, const QString& text)
{
    makeAnnouncement(window)->setText(text, true);
}

QString announcement(const QWidget* window)
{
    const Announcement* told = announcementOf(window);
    return told ? told->text() : QString();
}

#include "announcement.moc"
