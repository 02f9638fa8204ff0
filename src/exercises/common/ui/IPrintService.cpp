#include "IPrintService.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

void QtPrintService::PrintOn(QPrinter& printer, const QString& html, int lastPage)
{
    // A range chosen in the dialog is kept within the first `lastPage` pages;
    // QTextDocument stops at its own last page.
    const int from = qMax(1, printer.fromPage());
    const int to = printer.toPage() > 0 ? qMin(printer.toPage(), lastPage) : lastPage;
    printer.setFromTo(qMin(from, to), to);
    QTextDocument doc;
    doc.setHtml(html);
    doc.print(&printer);
}

bool QtPrintService::PrintHtml(const QString& html, int lastPage, QWidget* parent)
{
    std::unique_ptr<QPrinter> printer;
    if (m_source) {
        printer = m_source(parent);
        if (!printer)
            return false;
    } else {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setFromTo(1, lastPage);
        QPrintDialog dialog(printer.get(), parent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
    }
    PrintOn(*printer, html, lastPage);
    return true;
}
