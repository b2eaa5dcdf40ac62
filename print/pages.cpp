#include "print/pages.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

#include "geometry/figure.h"

namespace {

// Sizes in points.
constexpr qreal TextSize = 11;
constexpr qreal HeadingSize = 14;
constexpr qreal TitleSize = 18;
constexpr qreal FooterSize = 9;
constexpr qreal Gap = 6; // between a block's parts
constexpr qreal BlockGap = 18; // between problems, with a rule halfway
constexpr qreal RoomToWork = 120; // below a question
constexpr qreal PictureGap = 12; // between the text and the picture
constexpr qreal PixelSize = 0.75; // a picture's pixel, at 96 to the inch

// The print fonts, loaded on the first page set.
QString printFamily()
{
    static const QString family = [] {
        const int regular = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/tessaro-print.ttf"));
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/tessaro-print-bold.ttf"));
        return QFontDatabase::applicationFontFamilies(regular).value(0);
    }();
    return family;
}

// A figure's picture as a page shows it: the sharp, twice-as-large
// companion of its bitmap, with the window's grey ground made white.
QImage pictureOnPaper(const QString& name)
{
    QImage picture(name.chopped(4) + QStringLiteral("@2x.bmp"));
    if (picture.isNull())
        picture.load(name);
    picture = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb ground = picture.pixel(0, 0);
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        std::replace(row, row + picture.width(), ground, qRgb(255, 255, 255));
    }
    return picture;
}

// One piece of a block: a text in its font, and the space before it.
struct Piece
{
    QString text;
    QFont font;
    qreal spaceBefore = 0;
};

// Sets pieces of text and pictures on the device in its own units, with
// sizes given in points.
class Setter
{
public:
    explicit Setter(QPagedPaintDevice& device)
        : m_device(device)
        , m_point(device.logicalDpiY() / 72.0)
    {
    }

    qreal points(qreal size) const { return size * m_point; }
    QFont font(qreal size, bool bold = false) const
    {
        QFont font(printFamily());
        font.setPointSizeF(size);
        font.setBold(bold);
        // Outlines as they are: a page has no pixel grid to fit.
        font.setHintingPreference(QFont::PreferNoHinting);
        return font;
    }
    QSizeF page() const { return QSizeF(m_device.width(), m_device.height()); }

    // The height of a text set in the width, broken where it is too wide.
    qreal height(const Piece& piece, qreal width) const
    {
        return QFontMetricsF(piece.font, &m_device)
            .boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWrapAnywhere, piece.text)
            .height();
    }

private:
    QPagedPaintDevice& m_device;
    qreal m_point;
};

// A problem as a block: its text pieces in a column, and its picture
// beside them at the top.
struct Block
{
    QList<Piece> pieces;
    QImage picture;
    qreal room = 0; // blank space below the text
};

// What a question asks for: the frames' names ("Volume", "Surface Area"),
// or the box solved for where a frame names nothing.
QString toFind(const WorkedSolution& solution)
{
    QStringList names;
    for (const WorkedSolution::Frame& frame : solution.frames) {
        if (const QString name = resultName(frame.caption); !name.isEmpty())
            names << name;
    }
    for (const WorkedSolution::Entered& entered : solution.entries) {
        if (names.isEmpty() && entered.solvedFor)
            names << entered.label;
    }
    return names.join(QStringLiteral(", "));
}

Block blockFor(const Setter& setter, const PrintedProblem& problem, int number, Sheet sheet)
{
    const WorkedSolution& solution = problem.solution;
    Block block;
    const QFont text = setter.font(TextSize);
    const QFont bold = setter.font(TextSize, true);
    const QString heading = number > 0 ? QStringLiteral("%1. %2").arg(number).arg(solution.caption) : solution.caption;
    block.pieces << Piece{heading, setter.font(HeadingSize, true)};
    qreal space = setter.points(Gap);
    for (const WorkedSolution::Entered& entered : solution.entries) {
        if (sheet == Sheet::Questions && entered.solvedFor)
            continue;
        block.pieces << Piece{entered.line(), text, std::exchange(space, 0)};
    }
    if (problem.figure->usesPi)
        block.pieces << Piece{QStringLiteral("Here pi is 3.14."), text, std::exchange(space, 0)};
    if (sheet == Sheet::Questions) {
        block.pieces << Piece{QStringLiteral("Find: ") + toFind(solution), bold, setter.points(Gap)};
        block.room = setter.points(RoomToWork);
    } else {
        for (const WorkedSolution::Frame& frame : solution.frames) {
            block.pieces << Piece{frame.caption.trimmed(), bold, setter.points(Gap)};
            for (const QString& line : frame.lines)
                block.pieces << Piece{line, text};
        }
        if (solution.message)
            block.pieces << Piece{solution.message->line(), bold, setter.points(Gap)};
    }
    return block;
}

class PageSetter
{
public:
    PageSetter(QPagedPaintDevice& device, Sheet sheet)
        : m_device(device)
        , m_setter(device)
        , m_sheet(sheet)
    {
    }

    int set(const QList<PrintedProblem>& problems)
    {
        // Each figure's picture once: the same picture on many pages is
        // then one image in the file.
        QHash<const Figure*, QImage> pictures;
        QList<Block> blocks;
        for (qsizetype i = 0; i < problems.size(); ++i) {
            const Figure* figure = problems[i].figure;
            if (!pictures.contains(figure))
                pictures.insert(figure, pictureOnPaper(figure->picture.toString()));
            const int number = m_sheet == Sheet::WorkedSolution ? 0 : int(i) + 1;
            blocks << blockFor(m_setter, problems[i], number, m_sheet);
            blocks.last().picture = pictures.value(figure);
        }
        const QList<QList<qsizetype>> pages = paginate(blocks);
        QPainter painter(&m_device);
        // The pictures kept sharp: no lossy compression of their lines.
        painter.setRenderHint(QPainter::LosslessImageRendering);
        for (qsizetype page = 0; page < pages.size(); ++page) {
            if (page > 0)
                m_device.newPage();
            qreal y = page == 0 ? drawTitle(painter) : 0;
            for (const qsizetype block : pages[page]) {
                if (y > 0)
                    drawRule(painter, y);
                y = drawBlock(painter, blocks[block], y + (y > 0 ? m_setter.points(BlockGap) : 0));
            }
            drawFooter(painter, int(page) + 1, int(pages.size()));
        }
        return int(pages.size());
    }

private:
    qreal width() const { return m_setter.page().width(); }
    // The height blocks may fill: the page less the footer.
    qreal height() const { return m_setter.page().height() - 2 * m_setter.points(FooterSize); }
    qreal pictureWidth(const Block& block) const { return m_setter.points(block.picture.width() / 2 * PixelSize); }
    qreal pictureHeight(const Block& block) const { return m_setter.points(block.picture.height() / 2 * PixelSize); }
    qreal columnWidth(const Block& block) const { return width() - pictureWidth(block) - m_setter.points(PictureGap); }

    Piece title() const { return {sheetTitle(m_sheet), m_setter.font(TitleSize, true)}; }
    qreal titleHeight() const
    {
        return m_sheet == Sheet::WorkedSolution ? 0 : m_setter.height(title(), width()) + m_setter.points(BlockGap);
    }

    qreal blockHeight(const Block& block) const
    {
        qreal text = block.room;
        for (const Piece& piece : block.pieces)
            text += piece.spaceBefore + m_setter.height(piece, columnWidth(block));
        return std::max(text, pictureHeight(block));
    }

    // The blocks of each page: as many as fit, each whole on one page.
    QList<QList<qsizetype>> paginate(const QList<Block>& blocks) const
    {
        QList<QList<qsizetype>> pages(1);
        qreal y = titleHeight();
        for (qsizetype i = 0; i < blocks.size(); ++i) {
            const qreal gap = y > 0 ? m_setter.points(BlockGap) : 0;
            const qreal needed = gap + blockHeight(blocks[i]);
            if (y > 0 && y + needed > height()) {
                pages.append(QList<qsizetype>());
                y = 0;
            }
            y += (y > 0 ? gap : 0) + blockHeight(blocks[i]);
            pages.last() << i;
        }
        return pages;
    }

    qreal drawTitle(QPainter& painter) const
    {
        if (m_sheet == Sheet::WorkedSolution)
            return 0;
        const Piece piece = title();
        painter.setFont(piece.font);
        painter.drawText(QRectF(0, 0, width(), m_setter.height(piece, width())), Qt::TextWrapAnywhere, piece.text);
        return titleHeight() - m_setter.points(BlockGap);
    }

    void drawRule(QPainter& painter, qreal y) const
    {
        const qreal at = y + m_setter.points(BlockGap) / 2;
        painter.setPen(QPen(Qt::gray, m_setter.points(0.5)));
        painter.drawLine(QPointF(0, at), QPointF(width(), at));
        painter.setPen(Qt::black);
    }

    qreal drawBlock(QPainter& painter, const Block& block, qreal top) const
    {
        const qreal column = columnWidth(block);
        painter.drawImage(QRectF(width() - pictureWidth(block), top, pictureWidth(block), pictureHeight(block)),
                          block.picture);
        qreal y = top;
        for (const Piece& piece : block.pieces) {
            y += piece.spaceBefore;
            const qreal height = m_setter.height(piece, column);
            painter.setFont(piece.font);
            painter.drawText(QRectF(0, y, column, height), Qt::TextWrapAnywhere, piece.text);
            y += height;
        }
        return std::max(y + block.room, top + pictureHeight(block));
    }

    void drawFooter(QPainter& painter, int page, int pages) const
    {
        const Piece footer{QStringLiteral("Page %1 of %2").arg(page).arg(pages), m_setter.font(FooterSize)};
        painter.setFont(footer.font);
        const qreal height = m_setter.height(footer, width());
        painter.drawText(QRectF(0, m_setter.page().height() - height, width(), height), Qt::AlignHCenter, footer.text);
    }

    QPagedPaintDevice& m_device;
    Setter m_setter;
    Sheet m_sheet;
};

} // namespace

QString sheetTitle(Sheet sheet)
{
    switch (sheet) {
    case Sheet::AnswerKey:
        return QStringLiteral("Answer key");
    case Sheet::Questions:
        return QStringLiteral("Questions");
    case Sheet::WorkedSolution:
        break;
    }
    return QStringLiteral("Worked solution");
}

int setOnPages(QPagedPaintDevice& device, const QList<PrintedProblem>& problems, Sheet sheet)
{
    return PageSetter(device, sheet).set(problems);
}
