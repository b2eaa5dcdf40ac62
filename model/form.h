#pragma once

// The window model that every window of Tessaro is built on: a Form loads
// its definition, runs its event handlers and answers its events.
//
// A window class derives from Form, builds its controls from its .ui
// definition in the constructor and connects its handlers there with
// onClick. load() applies the rest of the definition (see
// definition.h) and runs Form_Load. showForm<F>() creates, loads and shows
// the single instance.

#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <functional>

#include "model/controls.h"

class Form : public QWidget
{
    Q_OBJECT

public:
    explicit Form(QWidget* parent = nullptr);

    // Applies the definition, runs Form_Load and puts the focus on the
    // first control of the tab order.
    void load();

    // Runs one event handler. An error that ends it is told in a message
    // box, and the program goes on.
    void runHandler(const std::function<void()>& handler);

    // A text box and the caption that names it (its label's, or its own
    // accessible name where no label points to it).
    struct Entry
    {
        QString label;
        QLineEdit* box;
    };
    // The text boxes in the order of the Tab key.
    QList<Entry> entries() const;

    // The window's modal message box: a prompt, an icon, one "OK" button
    // and a title. The window signals the message first, and shows the box
    // unless it is worked without being shown.
    void showMessage(const QString& prompt, QMessageBox::Icon icon, const QString& title);
    void setMessageBoxesShown(bool shown) { m_messageBoxesShown = shown; }

signals:
    // A message of the window, as its message box has it.
    void message(const QString& title, const QString& prompt);

protected:
    // The form events; a window overrides those it answers.
    virtual void Form_Load() { }
    virtual void Form_QueryUnload() { }
    virtual void Form_Click() { }
    virtual void Form_KeyPress(int keyAscii) { Q_UNUSED(keyAscii) }

    // The control events, each connected to a handler of the window.
    template <class F> void onClick(QPushButton* button, void (F::*handler)())
    {
        connect(button, &QPushButton::clicked, this, [this, handler] { run(handler); });
    }
    // A picture's Click; the picture becomes a stop of the Tab key.
    void onClick(ImageBox* image, const std::function<void()>& handler)
    {
        image->setFocusPolicy(Qt::TabFocus);
        connect(image, &ImageBox::clicked, this, [this, handler] { runHandler(handler); });
    }

    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    template <class F> void run(void (F::*handler)())
    {
        runHandler([this, handler] { (static_cast<F*>(this)->*handler)(); });
    }

    QPixmap m_picture;
    QList<QWidget*> m_tabOrder;
    bool m_pressed = false;
    bool m_messageBoxesShown = true;
};

// The single instance of a window class, or null while it is not loaded.
template <class F> QPointer<F>& formInstance()
{
    static QPointer<F> instance;
    return instance;
}

// Shows the single instance of a window class, not modal and with no owner:
// builds and loads it first if it does not exist, and brings it back (from
// the taskbar too) and to the front if it does. The instance is its own
// owner: closing it destroys it with everything typed into it.
template <class F> F& showForm()
{
    QPointer<F>& form = formInstance<F>();
    if (!form) {
        form = new F;
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->load();
    }
    form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
    form->show();
    form->raise();
    form->activateWindow();
    return *form;
}
