#pragma once

#include "GapTextLayout.h"
#include "GapTextRun.h"
#include "TfrmCwiczenie.h"
#include "WpisywanieBody.h"

#include <QHash>
#include <QImage>

#include <functional>

class QDialog;
class QLineEdit;

// The gap typing window (form "frmWpisywanie"): a listening text with words
// to type into its gaps. The learner types into a small edit box floating
// over the active gap (Enter or Tab moves on to the next empty gap), checks,
// sees each gap marked right or wrong, and may show the expected answers. A
// phrase list opens in the modal mini-dictionary.
//
// The window shows a GapTextRun and its layout; parsing, checking, scoring
// and the layout itself live in the core library.
class TfrmWpisywanie final : public TfrmCwiczenie {
    Q_OBJECT
public:
    explicit TfrmWpisywanie(ExerciseServices& services, QWidget* parent = nullptr);
    ~TfrmWpisywanie() override;

    // Opens TfrmMiniSlownik modally with the phrase list `text`.
    void ShowPhrases(const QString& text);
    // How modal windows are run: exec() by default; tests drive them instead.
    void setModalRunner(std::function<void(QDialog&)> runner) { m_modalRunner = std::move(runner); }

    const GapTextRun& run() const { return m_run; }
    const GapTextContent& content() const { return m_content; }
    // Where everything was laid out last (content coordinates).
    const GapTextLayout& layout() const { return m_layout; }
    // The gap's rectangle on the exercise area as now scrolled (null: none).
    QRect gapRectOnArea(int g) const;

    QLineEdit* Edit1 = nullptr;
    TLumResButton* btnZwroty = nullptr;

protected:
    void ResetModel() override;
    void LoadModel(const ExerciseDocument& doc) override;
    void ReleaseModel() override;
    void StartRunModel() override;
    int ComputeScore() override;
    QString NoScoreNotice() const override;
    void BeforeCheckButton() override;
    int PaintArea(QPainter& p) override;
    QString PrintBody() const override;
    QString ExerciseTitle() const override;
    void FitScrollBar(int contentHeight) override;
    bool KindKey(int key, const QString& text) override;
    void AreaMousePress(QMouseEvent* e) override;
    void AreaMouseMove(QMouseEvent* e) override;

private:
    void showAnswers();
    void relayout();
    void openGap(int g);
    void commitOnly();
    void commitAndAdvance();
    void hideEditBox();
    void adjustToInstruction();
    int gapAt(const QPoint& areaPoint) const;
    QSize pictureSize(const QString& name);
    const QImage& picture(const QString& name);

    GapTextContent m_content;
    GapTextRun m_run;
    GapTextLayout m_layout;
    QString m_title;
    QHash<QString, QImage> m_pictures; // Gfx\Wpis_gfx by name; null: no such file
    QImage m_field, m_ok, m_wrong, m_info;
    bool m_instructionFitted = false;
    bool m_scrollingToGap = false;
    std::function<void(QDialog&)> m_modalRunner;
};
