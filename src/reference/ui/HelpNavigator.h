#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The page history and link resolution of the help and handbook viewer,
// apart from the window. Paths are written the Windows way, as the course
// builds them: AppDir + "\Pomoc - Selko\h_index.html", possibly followed by
// "#anchor"; the view resolves them on disk.
//
// Help mode: pages in AppDir + HelpDir. Handbook mode: pages under
// AppDir\Podrecznik\, relative links resolved against the folder of the page
// shown ("base"), parent links ("../") against the handbook root.
class HelpNavigator final {
public:
    // What the window does after an action.
    struct Step {
        enum Kind { Nothing, LoadPage, PlaySound } kind = Nothing;
        QString path;               // the page to load, or the sound file to play
        bool historyTooLong = false; // the history reached 50 steps: the message is shown
    };

    // `soundPath` turns a sound link's target into the file to play (the
    // media root's Media\Podrecznik\ + target).
    HelpNavigator(QString appDir, QString helpDir, bool handbook, std::function<QString(const QString&)> soundPath);

    bool handbook() const { return m_handbook; }

    // Splits a path at its last "\" or "/": the folder part (ending in "\",
    // empty when there is none) and the name part (with any "#anchor").
    static void SplitPagePath(const QString& path, QString& folder, QString& name);
    // The path without its "#anchor".
    static QString WithoutAnchor(const QString& path);

    // The full path of the first page (a leading "/" dropped); its existence
    // is checked up to the first "#" by the window.
    QString OpeningPath(const QString& page) const;
    // Starts the history with that page and sets the base from it.
    void Open(const QString& page);
    // ShowHandbook: an empty history; the table of contents comes next.
    void OpenEmpty();

    // A link with text `link` (as written in the page) was clicked while
    // `shownFile` was shown.
    Step Link(const QString& link, const QString& shownFile);
    // The table-of-contents button.
    Step TableOfContents();
    // The Back button; Nothing when there is no earlier page.
    Step Back();

    const QStringList& history() const { return m_history; }
    int index() const { return m_index; }
    QString base() const { return m_base; }
    // Back is offered exactly when there is an earlier page.
    bool backAvailable() const { return m_index > 0; }

    static constexpr int HistoryWarningIndex = 50;

private:
    bool push(const QString& path); // true when the history is now too long
    QString handbookRoot() const { return m_appDir + QStringLiteral("\\Podrecznik\\"); }
    QString helpRoot() const { return m_appDir + m_helpDir + u'\\'; }

    QString m_appDir;
    QString m_helpDir;
    bool m_handbook;
    std::function<QString(const QString&)> m_soundPath;
    QStringList m_history;
    int m_index = -1;
    QString m_base;
};
