#include "PdfPrintService.h"

#include <QPrinter>

bool PdfPrintService::PrintHtml(const QString& html, int lastPage, QWidget*)
{
    m_pages << html;
    m_lastPages << lastPage;
    if (m_pdfPath.isEmpty())
        return true;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_pdfPath);
    QtPrintService::PrintOn(printer, html, lastPage);
    return true;
}
