#include "print/pdffile.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>

namespace {

// The margins of a page, in millimetres.
constexpr qreal Margin = 18;

// Blanks out the creation date that the writer puts in the document's
// information, keeping every byte where it was (the file's cross-reference
// table counts them).
void forgetTheDate(QByteArray& pdf)
{
    const QByteArray key = "/CreationDate (";
    const qsizetype start = pdf.indexOf(key);
    const qsizetype end = start < 0 ? -1 : pdf.indexOf(')', start);
    if (end > start)
        pdf.replace(start, end + 1 - start, QByteArray(end + 1 - start, ' '));
}

} // namespace

PdfFile::PdfFile(const QString& path)
    : m_file(path)
{
    m_file.open(QIODevice::WriteOnly);
}

QString PdfFile::error() const
{
    return m_file.isOpen() && m_file.error() == QFileDevice::NoError ? QString() : m_file.errorString();
}

bool PdfFile::write(const QList<PrintedProblem>& problems, Sheet sheet)
{
    if (!m_file.isOpen())
        return false;
    QBuffer pages;
    pages.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pages);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(Margin, Margin, Margin, Margin), QPageLayout::Millimeter));
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("Tessaro"));
        writer.setTitle(sheetTitle(sheet));
        setOnPages(writer, problems, sheet);
    }
    QByteArray pdf = pages.data();
    forgetTheDate(pdf);
    return m_file.write(pdf) == pdf.size() && m_file.commit();
}
