#pragma once

#include "IPrintService.h"

#include <QStringList>

// A print service for tests and screenshots: records every page it is given
// and, when a PDF path is set, lays the last one out into that PDF file the
// way the real printer would (no dialog).
class PdfPrintService final : public IPrintService {
public:
    explicit PdfPrintService(QString pdfPath = {}) : m_pdfPath(std::move(pdfPath)) {}

    bool PrintHtml(const QString& html, int lastPage, QWidget* parent) override;

    const QStringList& pages() const { return m_pages; }
    const QList<int>& lastPages() const { return m_lastPages; }
    const QString& pdfPath() const { return m_pdfPath; }

private:
    QString m_pdfPath;
    QStringList m_pages;
    QList<int> m_lastPages;
};
