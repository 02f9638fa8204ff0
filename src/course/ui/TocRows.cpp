#include "TocRows.h"

#include "TElement.h"

TocHit TocHitTest(int nodeType, int x, int childCount)
{
    switch (nodeType) {
    case TElement::RootOrGroup: return {TocAction::Toggle, 0};
    case TElement::Exercise:
        if (x > 55 && x <= 365)
            return {TocAction::OpenNode, 0};
        return {};
    case TElement::ContainerNode:
        if (childCount <= 0)
            return {};
        if (x > 55 && x <= 365)
            return {TocAction::OpenFirstChild, 1};
        if (x >= 780 && x < 790)
            return {TocAction::Toggle, 0};
        for (int i = 1; i <= childCount; ++i) {
            const int left = TocChildTileX(childCount, i);
            if (x >= left && x <= left + 24)
                return {TocAction::OpenChild, i};
        }
        return {};
    case TElement::ContainerChild:
        if (x > 82 && x <= 365)
            return {TocAction::OpenNode, 0};
        return {};
    default: return {};
    }
}

QString ShortenText(const QFontMetrics& fm, const QString& text, int limit)
{
    int sum = 0;
    qsizetype kept = 0;
    while (kept < text.size()) {
        sum += fm.horizontalAdvance(text.at(kept));
        if (sum > limit)
            break;
        ++kept;
    }
    QString prefix = text.left(kept);
    const QString lastTwo = prefix.right(2);
    if (fm.horizontalAdvance(QStringLiteral("...")) < fm.horizontalAdvance(lastTwo))
        prefix.chop(1);
    else
        prefix.chop(2);
    return prefix + QStringLiteral("...");
}

QString TocCaption(const QString& caption, int programMode)
{
    if (programMode != 2)
        return caption;
    const qsizetype bracket = caption.indexOf(u']');
    return bracket < 0 ? caption : caption.mid(bracket + 1);
}

QString TocKindIconName(const TElement& node, int programMode)
{
    const QString prefix = programMode == 2 ? QStringLiteral("Typ_g_") : QStringLiteral("Typ_");
    if (node.Kind == 101)
        return prefix + QString::number(node.Kind) + u'_' + QString::number(node.PackageParam);
    return prefix + QString::number(node.Kind);
}
