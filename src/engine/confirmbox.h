// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QString>

#include <functional>

// A modal question with OK and Cancel: Enter answers OK, Escape Cancel.
class ConfirmBox {
public:
    virtual ~ConfirmBox() = default;
    // True for OK. `otherKey` is called for every key other than Enter and
    // Escape pressed while the box is open (modifier keys alone excepted);
    // such a key does nothing else.
    virtual bool confirm(const QString &prompt, const std::function<void()> &otherKey) = 0;
};
