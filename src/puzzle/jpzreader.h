// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "puzzle/puzzle.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Reads a .jpz file, plain XML or a zip holding one .jpz or .xml: the
// metadata, the rectangular-puzzle's crossword grid cells (solution, number,
// blocks, circles), its words and its clues. Entity declarations are refused,
// so no entity can grow the text.
class JpzReader {
public:
    std::optional<Puzzle> read(const QByteArray &bytes);
    QString errorString() const { return m_error; }

private:
    std::optional<Puzzle> fail(const QString &why);
    std::optional<Puzzle> readXml(const QByteArray &xml);

    QString m_error;
};
