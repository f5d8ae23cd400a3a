// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "platform/folders.h"

#include <QDir>

namespace {

QString fromEnvironment(const char *name, const QString &fallback)
{
    const QString value = qEnvironmentVariable(name);
    // XDG says relative paths are to be ignored.
    return !value.isEmpty() && QDir::isAbsolutePath(value) ? value : fallback;
}

QString withSlash(QString path)
{
    if (!path.endsWith(QLatin1Char('/')))
        path.append(QLatin1Char('/'));
    return path;
}

} // namespace

QString Folders::state()
{
    return withSlash(fromEnvironment("XDG_STATE_HOME", QDir::homePath() + QStringLiteral("/.local/state"))
                     + QStringLiteral("/quorel-crosswords"));
}

QString Folders::config()
{
    return withSlash(fromEnvironment("XDG_CONFIG_HOME", QDir::homePath() + QStringLiteral("/.config"))
                     + QStringLiteral("/quorel-crosswords"));
}

QString Folders::runtime()
{
    return withSlash(fromEnvironment("XDG_RUNTIME_DIR", state()));
}

QString Folders::documents()
{
    return fromEnvironment("XDG_DOCUMENTS_DIR", QDir::homePath() + QStringLiteral("/Documents"));
}

QString Folders::puzzles()
{
    return withSlash(fromEnvironment("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share"))
                     + QStringLiteral("/quorel-crosswords/puzzles"));
}
