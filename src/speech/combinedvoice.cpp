// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "speech/combinedvoice.h"

CombinedVoice::CombinedVoice(Voice &own, Voice *service) : m_own(own), m_service(service)
{
    m_ownCount = int(m_own.voiceNames().size());
    // Whichever voice finishes, the game hears of it.
    m_own.setIdleHandler([this] {
        if (!m_usingService)
            reportIdle();
    });
    if (m_service) {
        m_service->setIdleHandler([this] {
            if (m_usingService)
                m_serviceUnfinished.clear();
            fallBackIfServiceGone();
            if (isIdle())
                reportIdle();
        });
        m_service->setVoicesChangedHandler([this] { reportVoicesChanged(); });
    }
}

Voice &CombinedVoice::current()
{
    fallBackIfServiceGone();
    return m_usingService ? *m_service : m_own;
}

void CombinedVoice::fallBackIfServiceGone()
{
    if (!m_usingService || !m_service->voiceNames().isEmpty())
        return;
    m_usingService = false;
    m_own.selectVoice(0);
    if (!m_serviceUnfinished.isEmpty())
        m_own.speak(m_serviceUnfinished);
    m_serviceUnfinished.clear();
}

bool CombinedVoice::isIdle()
{
    Voice &voice = current();
    const bool idle = voice.isIdle();
    if (idle && m_usingService)
        m_serviceUnfinished.clear();
    return idle;
}

void CombinedVoice::speak(const QString &text)
{
    Voice &voice = current();
    if (m_usingService)
        m_serviceUnfinished = text;
    voice.speak(text);
}

void CombinedVoice::speakAndWait(const QString &text)
{
    speak(text);
    const bool wasService = m_usingService;
    current().speakAndWait(QString());
    // The service may have gone while we waited: then our voice says the
    // phrase again, and we wait for that too.
    if (wasService && &current() == &m_own)
        m_own.speakAndWait(QString());
}

void CombinedVoice::stop()
{
    m_serviceUnfinished.clear();
    m_own.stop();
    if (m_service)
        m_service->stop();
}

QStringList CombinedVoice::voiceNames()
{
    QStringList names = m_own.voiceNames();
    if (m_service)
        names += m_service->voiceNames();
    return names;
}

void CombinedVoice::selectVoice(int index)
{
    if (index < m_ownCount || !m_service) {
        if (m_usingService)
            m_service->stop();
        m_usingService = false;
        m_own.selectVoice(index);
        return;
    }
    if (index - m_ownCount >= m_service->voiceNames().size())
        return;
    m_usingService = true;
    m_service->selectVoice(index - m_ownCount);
}

void CombinedVoice::setRate(int rate)
{
    m_own.setRate(rate);
    if (m_service)
        m_service->setRate(rate);
}
