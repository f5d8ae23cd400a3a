// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "platform/espeakvoice.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

int collectSamples(short *wav, int count, espeak_EVENT *events)
{
    if (wav && count > 0 && events && events->user_data)
        static_cast<QByteArray *>(events->user_data)->append(reinterpret_cast<const char *>(wav), qsizetype(count) * 2);
    return 0;
}

// espeak-ng keeps global state and does not survive being terminated and
// initialised again, so the library is set up once for the whole process.
// Missing voice data gives 0: the game then runs without a voice (it still
// logs every phrase). espeak_Initialize would end the whole process instead.
int initialiseOnce()
{
    static const int sampleRate = [] {
        espeak_ng_InitializePath(nullptr);
        espeak_ng_ERROR_CONTEXT context = nullptr;
        const espeak_ng_STATUS status = espeak_ng_Initialize(&context);
        if (status != ENS_OK) {
            espeak_ng_PrintStatusCodeMessage(status, stderr, context);
            espeak_ng_ClearErrorContext(&context);
            return 0;
        }
        if (espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) != ENS_OK)
            return 0;
        const int rate = espeak_ng_GetSampleRate();
        if (rate > 0)
            espeak_SetSynthCallback(collectSamples);
        return rate;
    }();
    return sampleRate;
}

QString readableName(const char *name)
{
    return QString::fromUtf8(name).replace(QLatin1Char('_'), QLatin1Char(' '));
}

} // namespace

EspeakVoice::EspeakVoice()
{
    m_sampleRate = initialiseOnce();
    if (m_sampleRate <= 0) {
        m_sampleRate = 0;
        return;
    }

    // Offer the English voices: a short, useful list to cycle with Shift+F1,
    // British English first as the default.
    for (const espeak_VOICE **v = espeak_ListVoices(nullptr); v && *v; ++v) {
        const char *language = (*v)->languages ? (*v)->languages + 1 : "";
        if (std::strncmp(language, "en", 2) == 0)
            m_voices.append({readableName((*v)->name), QByteArray((*v)->identifier)});
    }
    std::stable_sort(m_voices.begin(), m_voices.end(), [](const VoiceEntry &a, const VoiceEntry &b) {
        const bool aFirst = a.identifier == "gmw/en";
        const bool bFirst = b.identifier == "gmw/en";
        return aFirst != bFirst ? aFirst : a.name < b.name;
    });
    selectVoice(0);
    setRate(0);
    m_stream = std::make_unique<PcmStream>(m_sampleRate);
    m_stream->setFinishedHandler([this] {
        if (isIdle())
            reportIdle();
    });
    m_pieceTimer.setSingleShot(true);
    m_pieceTimer.setInterval(0);
    QObject::connect(&m_pieceTimer, &QTimer::timeout, &m_pieceTimer, [this] { synthesiseNextPiece(); });
    // The first synthesis loads the voice data; do it now, not on the welcome.
    synthesise(QStringLiteral("ready"));
}

EspeakVoice::~EspeakVoice() = default;

int EspeakVoice::wordsPerMinute(int rate)
{
    // Each step of 10 triples or thirds the speed around a normal 175 words a minute.
    const int r = std::clamp(rate, -10, 10);
    const int wpm = int(std::lround(175.0 * std::pow(3.0, r / 10.0)));
    return std::clamp(wpm, 80, 450);
}

QByteArray EspeakVoice::synthesise(const QString &text)
{
    QByteArray pcm;
    if (m_sampleRate <= 0 || text.trimmed().isEmpty())
        return pcm;
    const QByteArray utf8 = text.toUtf8();
    espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                 espeakCHARS_UTF8, nullptr, &pcm);
    return pcm;
}

QStringList EspeakVoice::sentences(const QString &text)
{
    // A sentence ends at . ! or ? followed by white space, so "3.5" stays whole.
    static const QRegularExpression end(QStringLiteral("(?<=[.!?])\\s+"));
    QStringList pieces;
    qsizetype from = 0;
    for (auto it = end.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        pieces.append(text.mid(from, m.capturedEnd() - from));
        from = m.capturedEnd();
    }
    if (from < text.size() || pieces.isEmpty())
        pieces.append(text.mid(from));
    return pieces;
}

bool EspeakVoice::isIdle()
{
    return !m_stream || (m_pieces.isEmpty() && m_stream->isIdle());
}

QByteArray EspeakVoice::withoutLeadingSilence(QByteArray pcm)
{
    qsizetype zeros = 0;
    while (zeros + 1 < pcm.size() && pcm[zeros] == 0 && pcm[zeros + 1] == 0)
        zeros += 2;
    pcm.remove(0, zeros);
    return pcm;
}

void EspeakVoice::playNextPiece()
{
    const Piece piece = m_pieces.takeFirst();
    const QByteArray pcm = synthesise(piece.text);
    // The voice starts many phrases with exact silence (50 ms before the "P"
    // of "Puzzle"): after a pause that is only delay, so it is dropped. Pauses
    // between the sentences of one utterance stay.
    m_stream->append(piece.startsUtterance ? withoutLeadingSilence(pcm) : pcm);
}

void EspeakVoice::synthesiseNextPiece()
{
    if (m_pieces.isEmpty())
        return;
    playNextPiece();
    if (!m_pieces.isEmpty())
        m_pieceTimer.start();
}

void EspeakVoice::synthesiseAllPieces()
{
    m_pieceTimer.stop();
    while (!m_pieces.isEmpty())
        playNextPiece();
}

void EspeakVoice::speak(const QString &text)
{
    // Without an audio device nothing would be heard: skip the synthesis.
    if (!m_stream || !m_stream->hasDevice())
        return;
    const QStringList pieces = sentences(text);
    for (qsizetype i = 0; i < pieces.size(); ++i)
        m_pieces.append({pieces[i], i == 0});
    // The first sentence plays at once unless earlier speech is still being
    // synthesised; the rest follows while it plays.
    if (!m_pieceTimer.isActive())
        synthesiseNextPiece();
}

void EspeakVoice::speakAndWait(const QString &text)
{
    speak(text);
    if (!m_stream)
        return;
    synthesiseAllPieces();
    m_stream->waitUntilIdle();
}

void EspeakVoice::stop()
{
    m_pieceTimer.stop();
    m_pieces.clear();
    if (m_stream)
        m_stream->clear();
}

QStringList EspeakVoice::voiceNames()
{
    QStringList names;
    for (const VoiceEntry &v : m_voices)
        names.append(v.name);
    return names;
}

void EspeakVoice::selectVoice(int index)
{
    // Speech already handed over keeps the voice it was given in.
    if (m_stream)
        synthesiseAllPieces();
    // Loading a voice reads its dictionary again (about 17 ms): start-up
    // selects the voice already loaded, so skip that.
    if (index >= 0 && index < m_voices.size() && index != m_voiceIndex) {
        espeak_SetVoiceByName(m_voices[index].identifier.constData());
        m_voiceIndex = index;
    }
}

void EspeakVoice::setRate(int rate)
{
    if (m_stream)
        synthesiseAllPieces();
    if (m_sampleRate > 0)
        espeak_SetParameter(espeakRATE, wordsPerMinute(rate), 0);
}
