#pragma once

#include "QuestionPicture.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

// Where the question text and its picture go in the exercise area, computed
// apart from painting so that the window, its answer list and its tests share
// one layout.
//
// The text is laid word by word: words are split at spaces, 4 pixels apart, a
// word that would pass the column's right edge starts a new line (unless it is
// the first on its line), and "<BR>" starts a new line wherever it stands.
// The picture: L at the area's left edge with the text column 36 pixels right
// of it; R 10 pixels in from the right edge with the text column ending 36
// pixels left of it; T centred with 64 pixels of space above it and the text
// below it; B centred below the text.
struct QuestionWordPlace {
    QString word;
    QRect rect;
};

struct QuestionLayout {
    QList<QuestionWordPlace> words;
    QRect picture;   // empty without a picture
    int height = 0;  // bottom of the painted content
};

struct QuestionMetrics {
    std::function<int(const QString&)> wordWidth;
    int lineHeight = 0;
};

constexpr int kQuestionTop = 3;       // the layout's first line
constexpr int kWordSpacing = 4;
constexpr int kLeftPictureGap = 36;   // between an L or R picture and the text
constexpr int kRightPictureInset = 10;
constexpr int kTopPictureSpace = 64;
constexpr int kPictureTextGap = 10;   // between a T or B picture and the text

QuestionLayout LayoutQuestion(const QString& text, const QuestionMetrics& metrics, int areaWidth,
                              QSize pictureSize = {}, PicturePlacement placement = PicturePlacement::None);
