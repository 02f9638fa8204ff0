#pragma once

#include <QTextBrowser>

class QPrinter;

// The help window's HTML view. It shows local pages only: the page, its
// pictures and style sheets are read from files inside one root folder (the
// installation); anything else (another folder, a remote address) loads as
// nothing, and nothing is ever fetched from the network. The view has no
// script engine, so scripts in a page never run. Link clicks are reported with
// the link text as written in the page; the view follows no link by itself.
class THtmlView : public QTextBrowser {
    Q_OBJECT
public:
    explicit THtmlView(QWidget* parent = nullptr);

    // The folder pages and their resources may come from.
    void setRoot(const QString& folder);

    // Shows the page `path` (written the Windows way, optionally followed by
    // "#" and an anchor) at its anchor. A missing file or one outside the root
    // shows an empty page; returns whether a page was read.
    bool LoadFromFile(const QString& path);
    // The path of the page shown, as it was given, without its anchor.
    QString FileName() const { return m_file; }
    QString Anchor() const { return m_anchor; }
    void Clear();

    // Prints pages `from` to `to` of the page shown (fewer when the page is
    // shorter), with 2 cm margins and at scale 1.
    void PrintPages(QPrinter& printer, int from, int to);

    // The text of a page: by its byte-order mark, else by the charset its
    // head declares, else as Windows-1250 (Central European).
    static QString DecodePage(const QByteArray& bytes);

    // Whether `localPath` lies inside the root folder.
    bool IsAllowed(const QString& localPath) const;

signals:
    void linkClicked(const QString& link);

protected:
    QVariant loadResource(int type, const QUrl& name) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QString m_root;   // canonical
    QString m_folder; // folder of the page shown, resolved
    QString m_file;
    QString m_anchor;
    QString m_pressedLink;
};
