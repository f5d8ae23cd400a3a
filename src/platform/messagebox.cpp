// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "platform/messagebox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>

namespace {

// Keys typed into the open box: Enter and Escape answer it and a modifier key
// alone is nothing; any other key is reported and goes no further, so Tab,
// the arrows or Space cannot move to or press the other button.
class OtherKeyFilter : public QObject {
public:
    OtherKeyFilter(QWidget *box, const std::function<void()> &otherKey) : m_box(box), m_otherKey(otherKey) {}

    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || (widget != m_box && !m_box->isAncestorOf(widget)))
            return false;
        switch (static_cast<QKeyEvent *>(e)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
            return false;
        default:
            if (m_otherKey)
                m_otherKey();
            return true;
        }
    }

private:
    QWidget *m_box;
    std::function<void()> m_otherKey;
};

} // namespace

bool MessageBoxConfirm::confirm(const QString &prompt, const std::function<void()> &otherKey)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Quorel Crosswords"), prompt,
                    QMessageBox::Ok | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    QFont font = box.font();
    font.setPointSize(20);
    font.setBold(true);
    box.setFont(font);
    OtherKeyFilter filter(&box, otherKey);
    qApp->installEventFilter(&filter);
    const bool ok = box.exec() == QMessageBox::Ok;
    qApp->removeEventFilter(&filter);
    return ok;
}
