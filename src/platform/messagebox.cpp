// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "platform/messagebox.h"

#include <QMessageBox>

bool MessageBoxConfirm::confirm(const QString &prompt)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Quorel Crosswords"), prompt,
                    QMessageBox::Ok | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    QFont font = box.font();
    font.setPointSize(20);
    font.setBold(true);
    box.setFont(font);
    return box.exec() == QMessageBox::Ok;
}
