#pragma once

// The two control kinds that Qt has no class for: the step line (a label
// whose caption a handler rebuilds) and the clickable picture; and how a
// label that keeps its size shows its caption.

#include <QLabel>
#include <QPixmap>

class QAccessibleInterface;

// A step line of a calculator window. With AutoSize it grows and shrinks to
// its caption on one line, cut with "…" at its frame's border; without, it
// keeps its size and wraps the caption.
class StepLine : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)

public:
    explicit StepLine(QWidget* parent = nullptr);

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitCaption();

    bool m_autoSize = false;
    bool m_cut = false;
};

// A label that keeps its size wraps its caption and shows only the lines
// whose letters lie inside it (a descender may lose its lowest two rows at
// its bottom edge, and blank rows under the last line may fall outside). A
// caption that does not fit is cut: the visible lines carry as much of it
// as they can (breaking inside a word only where the word alone is too
// wide) and the last one ends in "…", so that a cut number never passes for
// a whole one. The whole caption is then the label's tooltip and
// accessible description.
void setWholeCaption(QLabel* label, const QString& caption);
// Paints such a label when its caption does not fit; false when the
// label's own painting shows the caption whole.
bool paintWholeLines(QLabel* label);

// A picture that answers a click. Its picture is given by the name of a
// compiled-in bitmap, so that a high-density screen can take the bitmap's
// twice-as-large companion (pictureForScreen). One that answers clicks is a
// button for the keyboard too, once it takes the focus from the Tab key
// (never from the mouse): Space or Enter clicks it, the arrow keys move to
// the nearest such picture beside, above or below it (beside, at a row's
// end, on to the next row), Home and End to the first and the last, and
// it shows the focus by the style's focus border.
class ImageBox : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)

public:
    explicit ImageBox(QWidget* parent = nullptr);

    QString picture() const { return m_picture; }
    void setPicture(const QString& name);

    // A picture with a Click handler acts as a button.
    bool answersClicks() const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QList<ImageBox*> picturesInTabOrder() const;
    ImageBox* neighbour(int key) const;
    ImageBox* nearest(int key) const;

    QString m_picture;
    bool m_pressed = false;
};

// The compiled-in bitmap of that name for a screen with that many device
// pixels to the pixel: above one its twice-as-large companion (":/x@2x.bmp"
// beside ":/x.bmp") where there is one, at the same size on the screen.
QPixmap pictureForScreen(const QString& name, qreal devicePixelRatio);

// Tells accessibility tools what a picture is: a button named after its
// figure when it answers clicks, a graphic otherwise.
QAccessibleInterface* accessibleImageBox(const QString& className, QObject* object);
