#pragma once

#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

// Where an exercise's printed page goes. The program prints through the
// system's print dialog; tests and screenshots record the page and render it
// to a PDF file instead.
class IPrintService {
public:
    virtual ~IPrintService() = default;

    // Prints the HTML page `html`, pages 1 to `lastPage` at most; `parent`
    // owns any dialog. False when the learner cancelled or nothing printed.
    virtual bool PrintHtml(const QString& html, int lastPage, QWidget* parent) = 0;
};

// Prints through a QPrinter laid out by QTextDocument. By default the print
// dialog asks for the printer; a printer source given instead is used as it is
// (null from the source: nothing is printed).
class QtPrintService final : public IPrintService {
public:
    using PrinterSource = std::function<std::unique_ptr<QPrinter>(QWidget* parent)>;

    QtPrintService() = default;
    explicit QtPrintService(PrinterSource source) : m_source(std::move(source)) {}

    bool PrintHtml(const QString& html, int lastPage, QWidget* parent) override;

    // Lays `html` out on `printer` and prints pages 1 to `lastPage` (fewer when
    // the page is shorter).
    static void PrintOn(QPrinter& printer, const QString& html, int lastPage);

private:
    PrinterSource m_source;
};
