// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "engine/confirmbox.h"

class QWidget;

// The modal OK/Cancel box: Enter answers OK, Escape (or closing it) Cancel.
class MessageBoxConfirm : public ConfirmBox {
public:
    explicit MessageBoxConfirm(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    bool confirm(const QString &prompt, const std::function<void()> &otherKey) override;

private:
    QWidget *m_parent;
};
