// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "speech/screenreaderwatch.h"

#include <QObject>
#include <QStringList>
#include <QVariantMap>

// Watches the desktop's accessibility status on the session bus: the
// property ScreenReaderEnabled of org.a11y.Status on org.a11y.Bus, which a
// screen reader sets while it runs. Asks once at start and whenever the
// service appears, then follows the property's change signal. Without a
// session bus, or while the service is not there, it reports nothing.
class ScreenReaderStatus : public QObject, public ScreenReaderWatch {
    Q_OBJECT
public:
    explicit ScreenReaderStatus(QObject *parent = nullptr);

private slots:
    void propertiesChanged(const QString &interface, const QVariantMap &changed, const QStringList &invalidated);

private:
    void ask();
};
