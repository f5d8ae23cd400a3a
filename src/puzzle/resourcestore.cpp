// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "puzzle/resourcestore.h"
#include "puzzle/ansi.h"

#include <QFile>

std::optional<QByteArray> CompiledResources::fetch(const QString &type, const QString &name)
{
    // Resources are stored under upper-case names, so any case finds them.
    QFile file(QStringLiteral(":/%1/%2").arg(type.toUpper(), name.toUpper()));
    if (name.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QString footerLine(ResourceStore &resources)
{
    const QString text = fromAnsi(resources.fetch(QStringLiteral("TEXT"), QStringLiteral("FOOTER")).value_or(QByteArray()));
    return text.section(QLatin1Char('\n'), 0, 0).remove(QLatin1Char('\r'));
}
