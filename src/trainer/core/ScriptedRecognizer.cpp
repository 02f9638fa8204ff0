#include "ScriptedRecognizer.h"

#include "AudioInputPcm.h"
#include "SafeSave.h"

#include <QFile>

#include <cmath>
#include <numbers>

namespace {

constexpr int kRate = 16000;

std::vector<int16_t> toneOf(int ms)
{
    std::vector<int16_t> s(size_t(ms) * kRate / 1000);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = int16_t(8000 * std::sin(2.0 * std::numbers::pi * 220.0 * double(i) / kRate));
    return s;
}

} // namespace

ScriptedRecognizer::Attempt ScriptedRecognizer::accepted(const QStringList& words, const std::vector<double>& scores,
                                                          int wordMs)
{
    Attempt a;
    int32_t t = 200;
    a.entries.push_back({QStringLiteral("<s>"), {0, t}, 0.0});
    for (qsizetype i = 0; i < words.size(); ++i) {
        a.entries.push_back({words[i], {t, t + wordMs}, size_t(i) < scores.size() ? scores[size_t(i)] : 0.0});
        t += wordMs;
    }
    a.entries.push_back({QStringLiteral("</s>"), {t, t + 200}, 0.0});
    a.sound = toneOf(t + 200);
    return a;
}

ScriptedRecognizer::Attempt ScriptedRecognizer::rejected(int lengthMs)
{
    Attempt a;
    a.entries.push_back({QStringLiteral("<s>"), {0, 100}, 0.0});
    a.entries.push_back({QString::fromLatin1(LkGarbageWord), {100, lengthMs - 100}, 0.0});
    a.entries.push_back({QStringLiteral("</s>"), {lengthMs - 100, lengthMs}, 0.0});
    a.sound = toneOf(lengthMs);
    return a;
}

int32_t ScriptedRecognizer::LK_I4_NewResource(const QString& latticeFile, const QString& dictionaryFile)
{
    m_calls << QStringLiteral("LK_I4_NewResource(%1,%2)").arg(latticeFile, dictionaryFile);
    m_taskLoaded = m_newResourceResult >= 0;
    return m_newResourceResult;
}

int32_t ScriptedRecognizer::LK_I4_NewSoundFile(const QString& wavePath)
{
    m_calls << QStringLiteral("LK_I4_NewSoundFile(%1)").arg(wavePath);
    m_result.clear();
    return 0;
}

void ScriptedRecognizer::LK_V_SetWave(const QString& wavePath)
{
    m_calls << QStringLiteral("LK_V_SetWave(%1)").arg(wavePath);
    m_wavePath = wavePath;
}

QString ScriptedRecognizer::LK_STRING_Recognize()
{
    m_calls << QStringLiteral("LK_STRING_Recognize");
    m_result.clear();
    m_samples = 0;
    if (m_attempts.empty())
        return {};
    Attempt a = std::move(m_attempts.front());
    m_attempts.pop_front();
    m_samples = int32_t(a.sound.size());
    if (!m_wavePath.isEmpty() && !a.sound.empty())
        (void)SaveFileAtomically(m_wavePath, encodePcmWave(kRate, a.sound));
    if (m_taskLoaded)
        m_result = std::move(a.entries);
    return wordsText();
}

QString ScriptedRecognizer::LK_STRING_Phones()
{
    m_calls << QStringLiteral("LK_STRING_Phones");
    return {};
}

QString ScriptedRecognizer::LK_STRING_Words()
{
    m_calls << QStringLiteral("LK_STRING_Words");
    return wordsText();
}

QString ScriptedRecognizer::wordsText() const
{
    QStringList words;
    for (size_t i = 1; i + 1 < m_result.size(); ++i)
        words << m_result[i].word;
    return words.join(u' ');
}

int32_t ScriptedRecognizer::LK_N4_Samples()
{
    m_calls << QStringLiteral("LK_N4_Samples");
    return m_samples;
}

void ScriptedRecognizer::LK_V_InitDsp(const QString& wavePath, const QString& config)
{
    m_calls << QStringLiteral("LK_V_InitDsp(%1,%2)").arg(wavePath, config);
    m_waveCount = QFile::exists(wavePath) ? m_samples : 0;
}

QString ScriptedRecognizer::LK_STRING_Word(int32_t index)
{
    m_calls << QStringLiteral("LK_STRING_Word(%1)").arg(index);
    const Entry* e = entry(index);
    return e ? e->word : QString();
}

int32_t ScriptedRecognizer::LK_N4_WaveCount()
{
    m_calls << QStringLiteral("LK_N4_WaveCount");
    return m_waveCount;
}

int32_t ScriptedRecognizer::LK_N4_WaveTime()
{
    m_calls << QStringLiteral("LK_N4_WaveTime");
    return int32_t(qint64(m_waveCount) * 1000 / kRate);
}

int32_t ScriptedRecognizer::LK_N4_Words()
{
    m_calls << QStringLiteral("LK_N4_Words");
    return int32_t(m_result.size());
}

LkWordTime ScriptedRecognizer::LK_P32N4_WordTime(int32_t index)
{
    m_calls << QStringLiteral("LK_P32N4_WordTime(%1)").arg(index);
    const Entry* e = entry(index);
    return e ? e->time : LkWordTime{};
}

double ScriptedRecognizer::LK_R8_WordScore(int32_t index)
{
    m_calls << QStringLiteral("LK_R8_WordScore(%1)").arg(index);
    const Entry* e = entry(index);
    return e ? e->score : 0.0;
}

const ScriptedRecognizer::Entry* ScriptedRecognizer::entry(int32_t index) const
{
    if (index < 1 || size_t(index) > m_result.size())
        return nullptr;
    return &m_result[size_t(index) - 1];
}
