#include "GapTextRun.h"

#include "ExerciseText.h"

QString NoGapsNotice()
{
    return QStringLiteral("To ćwiczenie nie ma luk do uzupełnienia, więc nie można obliczyć wyniku.");
}

void GapTextRun::Reset(GapTextItems text)
{
    m_text = std::move(text);
    for (TWyrazTekstu& w : m_text.items) {
        w.Input.clear();
        w.Rect = QRect();
    }
    m_right.clear();
    m_active = -1;
    m_state = State::Input;
    m_unchecked = true;
}

int GapTextRun::StartEditing()
{
    // The last gap is taken as active, then advancing from it finds the first
    // empty gap from the top.
    m_active = -1;
    for (int k = 0; k < gapCount(); ++k)
        if (gap(k).Input.isEmpty())
            return m_active = k;
    return -1;
}

QString GapTextRun::OpenGap(int g)
{
    if (g < 0 || g >= gapCount())
        return {};
    m_active = g;
    TWyrazTekstu& w = m_text.items[m_text.gaps.at(g)];
    const QString input = w.Input;
    w.Input.clear();
    return input;
}

void GapTextRun::Commit(const QString& boxText)
{
    if (m_active < 0 || m_active >= gapCount())
        return;
    m_text.items[m_text.gaps.at(m_active)].Input = NormalizeTypedAnswer(boxText);
}

int GapTextRun::CommitAndAdvance(const QString& boxText)
{
    Commit(boxText);
    const int n = gapCount();
    for (int k = 1; k <= n; ++k) {
        const int g = ((m_active < 0 ? -1 : m_active) + k) % n;
        if (gap(g).Input.isEmpty())
            return m_active = g;
    }
    return m_active = -1;
}

void GapTextRun::CommitOnly(const QString& boxText)
{
    Commit(boxText);
    m_active = -1;
}

GapTextRun::Score GapTextRun::Check(const AnswerRules& rules)
{
    m_unchecked = false;
    m_active = -1;
    Score s;
    m_right.clear();
    for (int g = 0; g < gapCount(); ++g) {
        const bool right = IsGapCorrect(gap(g).Input, gap(g).Answer, rules);
        m_right.append(right);
        ++(right ? s.right : s.wrong);
    }
    if (gapCount() > 0)
        s.percent = PercentHalfEven(s.right, s.right + s.wrong);
    m_state = State::Checked;
    return s;
}

void GapTextRun::ShowAnswers()
{
    if (m_state == State::Checked)
        m_state = State::Solution;
}

QString GapTextRun::HintForItem(int item, const QString& youTyped, const QString& nothingTyped) const
{
    const int g = gapOfItem(item);
    if (m_state != State::Solution || g < 0 || gapRight(g))
        return {};
    const QString& input = gap(g).Input;
    if (input.isEmpty())
        return QStringLiteral("<B>") + nothingTyped + QStringLiteral("</B>");
    return youTyped + QStringLiteral(" <B>") + input + QStringLiteral("</B>");
}

QString GapTextRun::PrintBody() const
{
    QString html = QStringLiteral("<P>");
    bool inPictureBlock = false;
    for (const TWyrazTekstu& w : m_text.items) {
        switch (w.Marker) {
        case mkImgLeft:
        case mkImgRight:
            inPictureBlock = true;
            continue;
        case mkImgEnd:
            inPictureBlock = false;
            continue;
        case mkAK:
            continue;
        default:
            break;
        }
        if (inPictureBlock)
            continue;
        if (w.IsGap)
            html += m_unchecked ? QStringLiteral(" __________ ") : u' ' + ToHtmlText(w.Answer);
        else if (w.Text == u"." || w.Text == u",")
            html += w.Text;
        else
            html += u' ' + ToHtmlText(w.Text);
    }
    html += QStringLiteral("</P>");
    return html;
}
