// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "platform/postedcall.h"

#include <QCoreApplication>
#include <QEvent>

namespace {
QEvent::Type postedCallEvent()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}
} // namespace

void PostedCall::post()
{
    QCoreApplication::postEvent(this, new QEvent(postedCallEvent()));
}

void PostedCall::customEvent(QEvent *event)
{
    if (event->type() == postedCallEvent() && m_call)
        m_call();
}
