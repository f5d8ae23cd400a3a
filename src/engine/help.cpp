// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "engine/crosswords.h"
#include "puzzle/ansi.h"
#include "puzzle/resourcestore.h"

// F1: reads the next help page as one utterance, straight to the voice, so the
// line breaks of the page do not split it. The introduction (page 0) is read
// once; then pages 1 to 4 come round in turn. F1 while a page is still being
// read cuts it, so pressing F1 again moves on instead of queueing a page.
void Crosswords::sayhelp()
{
    m_announcer.cutHelpPage();
    const std::optional<QByteArray> page =
        m_svc.resources.fetch(QStringLiteral("TEXT"), QStringLiteral("help") + QString::number(m_session.helppage));
    if (page)
        m_announcer.sayHelpPage(fromAnsi(*page));
    ++m_session.helppage;
    if (m_session.helppage > 4)
        m_session.helppage = 1;
}
