#pragma once

#include "Clock.h"
#include "Failure.h"
#include "Installation.h"
#include "NavState.h"
#include "Progress.h"
#include "TElement.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// The learner's results file AppDir\Users\<id>_stat.xml:
//   <cwiczenia><plik nazwa="FileName"><dane id="Kind">
//     <data>dd-mm-yyyy</data><postep>%</postep><czas>00:00:00</czas>
//     <datapowtorka>reviewdate=step</datapowtorka><posteppowtorka>%</posteppowtorka>
//   </dane></plik></cwiczenia>
// saved crash-safely as UTF-16 LE with a byte-order mark.
//
// Review dates are written as "yyyy-MM-dd" (the short date format of this
// program); whatever text a file holds is read back unchanged, so files from
// other systems keep their dates as they were written.

// The review settings of the logged-in user.
struct ReviewSettings {
    bool ReviewsOn = true;
    int ReviewThreshold = 61; // a result above it ends the reviews
};

// What an exercise window offers as its score when the result is recorded.
struct ResultSources {
    bool panelVisible = false; // Panel_Wynik shown
    int panelTag = 0;          // Panel_Wynik's tag: 1 once the shown result is recorded
    int wynik = 0;             // Panel_Wynik.Wynik, 0..255
    bool hasStatistics = false; // the window has a Statystyki control
    int xFactor = 0;           // Statystyki.XFactor
};

QString ResultDateFormat(); // "dd-MM-yyyy"
QString ReviewDateFormat(); // "yyyy-MM-dd"

// The review schedule after a result of `score` (ReviewsOn set):
//   never scheduled   -> step 1, review in 3 days
//   score below 16    -> step 1, review in 3 days
//   score > threshold -> no further reviews ("0")
//   otherwise         -> step doubled, review in 3 x step days
// ReviewProgress takes the score in every branch. The step stops doubling at
// 2^20 so that it can neither overflow nor leave the calendar.
void ScheduleReview(TElement& node, int score, const ReviewSettings& settings, QDate today);

// The average a container, group or the root shows: the integer mean of its
// children's Progress over the children that have one of 0 or more (never
// done exercises count as 0, unscored ones are left out). When no child has
// one the node is itself unscored: -1, and it is left out of its parent's
// average in turn.
int AverageOfChildren(const TElement& node);

// "Brak pliku ze statystykami! Plik został stworzony ponownie! "
Failure MissingResultsFileNotice(const QString& path);
// The results file exists but cannot be read; it is left as it is.
Failure UnreadableResultsFileMessage(const QString& path);

struct ResultsReadOutcome {
    bool fileExisted = true;
    std::optional<Failure> message; // what to tell the learner, when anything
};

class ResultsStore final {
public:
    ResultsStore(const Installation& inst, int userId, const IClock& clock);

    QString path() const { return m_path; }

    // Resets every node of `flatList` and reads its stored result (the first
    // `plik` with the node's FileName holding a `dane` with its Kind). Groups
    // share one stored entry with the root, so a group with a stored result
    // takes the average of its children as read.
    // A missing file is recreated empty and the notice returned; a file that
    // cannot be parsed is left untouched and reported. In both cases the
    // nodes keep their reset values. `progress` is told (count, step).
    ResultsReadOutcome ReadAllResults(const QList<TElement*>& flatList, const ProgressCallback& progress = {});

    // Records the current exercise of `nav` (see the .cpp for the steps):
    // updates the node, schedules its review, recomputes the averages of its
    // ancestors and writes every changed node with one read and one save of
    // the file. Sets window.panelTag to 1 when it records the check result.
    Status RecordResult(TNawigacjaDrzewa& nav, ResultSources& window, const ReviewSettings& review);

    // Writes one node (update or append) and saves.
    Status WriteNode(TElement& node);
    // Recomputes and writes the averages of `node` and all its ancestors; saves once.
    Status RecomputeAncestors(TElement* node);

private:
    const Installation* m_inst;
    int m_userId;
    const IClock* m_clock;
    QString m_path;
};

// Resets one node's result fields as before reading.
void ResetResult(TElement& node);
