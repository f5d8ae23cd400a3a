// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QString>

// A modal question with OK and Cancel: Enter answers OK, Escape Cancel.
class ConfirmBox {
public:
    virtual ~ConfirmBox() = default;
    // True for OK.
    virtual bool confirm(const QString &prompt) = 0;
};
