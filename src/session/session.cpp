// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "session/session.h"

#include <QList>
#include <QRegularExpression>
#include <algorithm>

void UndoHistory::record(GridChange change)
{
    if (change.before.empty())
        return;
    m_changes.push_back(std::move(change));
}

std::optional<GridChange> UndoHistory::takeLast()
{
    if (m_changes.empty())
        return std::nullopt;
    GridChange last = std::move(m_changes.back());
    m_changes.pop_back();
    return last;
}

QByteArray encodeCluePlaces(const CluePlaces &places)
{
    // Sorted, so the file does not change when nothing in it did.
    QStringList names = places.keys();
    std::sort(names.begin(), names.end());
    QByteArray out;
    for (const QString &name : names)
        out += (name + QLatin1Char('\t') + places.value(name) + QLatin1Char('\n')).toUtf8();
    return out;
}

CluePlaces decodeCluePlaces(const QByteArray &bytes)
{
    static const QRegularExpression label(QStringLiteral("^[AD][1-9][0-9]{0,3}$"));
    CluePlaces places;
    for (const QByteArray &line : bytes.split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split('\t');
        if (fields.size() != 2 || fields[0].isEmpty())
            continue;
        const QString place = QString::fromUtf8(fields[1]);
        if (label.match(place).hasMatch())
            places.insert(QString::fromUtf8(fields[0]), place);
    }
    return places;
}
