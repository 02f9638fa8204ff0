#pragma once

#include <QString>

// The picture that may go with a question: AppDir\Gfx\Test_gfx\<exercise>_<n>_<P>.png
// where <exercise> is the exercise file's name without folder and extension,
// <n> the question's 1-based position in the file (so a picture always goes
// with the same question, whatever order the run asks them in) and <P> the
// placement letter, tried in the order L, R, T, B.
enum class PicturePlacement { None, Left, Right, Top, Bottom };

struct QuestionPicture {
    QString path; // resolved on disk; empty when there is none
    PicturePlacement placement = PicturePlacement::None;
};

QuestionPicture FindQuestionPicture(const QString& appDir, const QString& exercisePath, int number);
