#pragma once

#include "QuestionLayout.h"
#include "Test2Exercise.h"
#include "Test2Run.h"
#include "TfrmCwiczenie.h"

#include <QHash>
#include <QImage>

class TLumOdpList;
class TLumResButton;

// The multiple-choice test window (form "frmTest2"): one question at a time,
// its text (with gaps and an optional picture) painted in the exercise area
// above the answer list odpList. A pick evaluates at once; the next button
// btn_Spr then moves on to a question drawn at random among those not yet
// answered right. When all are, the result is shown and recorded. The run
// itself (order, counts, score) is Test2Run; this window shows it and
// forwards the learner's picks, keys and presses.
class TfrmTest2 final : public TfrmCwiczenie {
    Q_OBJECT
public:
    explicit TfrmTest2(ExerciseServices& services, QWidget* parent = nullptr);
    ~TfrmTest2() override;

    TLumOdpList* odpList = nullptr;
    TLumResButton* btn_Spr = nullptr;

    const Test2Run& run() const { return m_run; }
    // The run is over and its result shown.
    bool finished() const { return m_finished; }
    // Where the current question's words and picture were laid out.
    const QuestionLayout& questionLayout() const { return m_layout; }

    // The learner's actions, as the mouse and keys run them.
    void PickRow(int row);
    void PressNextButton();

    // Shown in the exercise area of a test that holds no question.
    static QString NoQuestionsNotice();

protected:
    void ResetModel() override;
    void LoadModel(const ExerciseDocument& doc) override;
    void ReleaseModel() override;
    void StartRunModel() override;
    int ComputeScore() override;
    int PaintArea(QPainter& p) override;
    QString PrintBody() const override;
    bool KindKey(int key, const QString& text) override;

private:
    void showQuestion();
    void evaluate();
    void layoutQuestion();
    void placeAnswerList();
    void showCounts();
    struct Picture {
        QImage image; // null: the question has none (or it cannot be read)
        PicturePlacement placement = PicturePlacement::None;
    };
    // The picture of a question, read once per opening.
    const Picture& pictureOf(const TGrupa& g);

    Test2Content m_content; // html, instruction; questions move into the run
    Test2Run m_run;
    QuestionLayout m_layout;
    QHash<int, Picture> m_pictures; // by question number
    QImage m_picture;               // the current question's
    bool m_finished = false;
};
