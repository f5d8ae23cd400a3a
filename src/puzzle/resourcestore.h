// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The data compiled into the program, looked up by type ("TEXT", "WAVE") and
// name, without regard to letter case.
class ResourceStore {
public:
    virtual ~ResourceStore() = default;
    virtual std::optional<QByteArray> fetch(const QString &type, const QString &name) = 0;
};

// The resources compiled in with the Qt resource system (":/TEXT/PUZ0101").
class CompiledResources : public ResourceStore {
public:
    std::optional<QByteArray> fetch(const QString &type, const QString &name) override;
};

// The first line of the built-in puzzles' footer: their copyright, printed
// under every grid and read with a built-in puzzle's title.
QString footerLine(ResourceStore &resources);
