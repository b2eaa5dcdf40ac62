#pragma once

// A PDF file of printed problems, written whole or not at all: the pages
// go to a temporary file beside it, which takes the file's name only once
// it is complete. The file holds nothing of the time it was made, so the
// same problems give the same bytes.

#include <QSaveFile>

#include "print/pages.h"

class PdfFile
{
public:
    // Opens the temporary file at once, so that a path that cannot be
    // written is known before any work is done.
    explicit PdfFile(const QString& path);

    // Why the file cannot be written, or empty.
    QString error() const;

    // Sets the problems on A4 pages and writes the file; false where it
    // could not be written (error() says why).
    bool write(const QList<PrintedProblem>& problems, Sheet sheet);

private:
    QSaveFile m_file;
};
