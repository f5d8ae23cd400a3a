// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "platform/clipplayer.h"

#include <QtEndian>

namespace {

quint32 le32(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 le16(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

} // namespace

ClipPlayer::Pcm ClipPlayer::decode(const QByteArray &wave)
{
    Pcm out;
    if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE")
        return out;
    bool pcm16mono = false;
    int rate = 0;
    // Walk the chunks; sizes come from the file, so check every bound.
    for (qsizetype at = 12; at + 8 <= wave.size();) {
        const QByteArray id = wave.mid(at, 4);
        const qsizetype size = le32(wave, at + 4);
        const qsizetype body = at + 8;
        if (size < 0 || body + size > wave.size())
            break;
        if (id == "fmt " && size >= 16) {
            pcm16mono = le16(wave, body) == 1 && le16(wave, body + 2) == 1 && le16(wave, body + 14) == 16;
            rate = int(le32(wave, body + 4));
        } else if (id == "data" && pcm16mono && rate > 0) {
            out.sampleRate = rate;
            out.samples = wave.mid(body, size & ~qsizetype(1));
            return out;
        }
        at = body + size + (size & 1);
    }
    return out;
}

void ClipPlayer::play(const QString &, const QByteArray &wave, bool wait)
{
    const Pcm pcm = decode(wave);
    if (pcm.sampleRate <= 0)
        return;
    if (!m_stream || m_stream->sampleRate() != pcm.sampleRate)
        m_stream = std::make_unique<PcmStream>(pcm.sampleRate);
    m_stream->clear();
    m_stream->append(pcm.samples);
    if (wait)
        m_stream->waitUntilIdle();
}

void ClipPlayer::stop()
{
    if (m_stream)
        m_stream->clear();
}
