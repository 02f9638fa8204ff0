#include "QuestionLayout.h"

#include <QRegularExpression>

#include <algorithm>

QuestionLayout LayoutQuestion(const QString& text, const QuestionMetrics& metrics, int areaWidth, QSize pictureSize,
                              PicturePlacement placement)
{
    QuestionLayout out;
    const bool hasPicture = placement != PicturePlacement::None && pictureSize.isValid() && !pictureSize.isEmpty();
    int left = 0;
    int right = areaWidth;
    int y = kQuestionTop;
    if (hasPicture) {
        const int w = pictureSize.width();
        switch (placement) {
        case PicturePlacement::Left:
            out.picture = QRect(QPoint(0, kQuestionTop), pictureSize);
            left = w + kLeftPictureGap;
            break;
        case PicturePlacement::Right:
            out.picture = QRect(QPoint(areaWidth - kRightPictureInset - w, kQuestionTop), pictureSize);
            right = out.picture.left() - kLeftPictureGap;
            break;
        case PicturePlacement::Top:
            out.picture = QRect(QPoint((areaWidth - w) / 2, kTopPictureSpace), pictureSize);
            y = out.picture.bottom() + 1 + kPictureTextGap;
            break;
        default:
            break;
        }
    }

    static const QRegularExpression lineBreak(QStringLiteral("<BR>"), QRegularExpression::CaseInsensitiveOption);
    const QStringList lines = text.split(lineBreak);
    int x = left;
    bool any = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            x = left;
            y += metrics.lineHeight;
        }
        for (const QString& word : lines[i].split(u' ', Qt::SkipEmptyParts)) {
            const int w = metrics.wordWidth(word);
            if (x > left && x + w > right) {
                x = left;
                y += metrics.lineHeight;
            }
            out.words.append({word, QRect(x, y, w, metrics.lineHeight)});
            x += w + kWordSpacing;
            any = true;
        }
    }
    int bottom = any || lines.size() > 1 ? y + metrics.lineHeight : y;
    if (hasPicture && placement == PicturePlacement::Bottom) {
        out.picture = QRect(QPoint((areaWidth - pictureSize.width()) / 2, bottom + kPictureTextGap), pictureSize);
    }
    if (hasPicture)
        bottom = std::max(bottom, out.picture.bottom() + 1);
    out.height = bottom;
    return out;
}
