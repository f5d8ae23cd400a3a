// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "platform/screenreaderstatus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

namespace {
const QString kService = QStringLiteral("org.a11y.Bus");
const QString kPath = QStringLiteral("/org/a11y/bus");
const QString kStatus = QStringLiteral("org.a11y.Status");
const QString kProperty = QStringLiteral("ScreenReaderEnabled");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
} // namespace

ScreenReaderStatus::ScreenReaderStatus(QObject *parent) : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(kService, kPath, kProperties, QStringLiteral("PropertiesChanged"), {kStatus}, QString(), this,
                SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    // The accessibility bus may start after the game; when it goes, so has
    // any screen reader that used it.
    auto *service = new QDBusServiceWatcher(kService, bus,
                                            QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration, this);
    connect(service, &QDBusServiceWatcher::serviceRegistered, this, &ScreenReaderStatus::ask);
    connect(service, &QDBusServiceWatcher::serviceUnregistered, this, [this] { report(false); });
    ask();
}

void ScreenReaderStatus::ask()
{
    QDBusMessage get = QDBusMessage::createMethodCall(kService, kPath, kProperties, QStringLiteral("Get"));
    get << kStatus << kProperty;
    // Asking must not start the accessibility bus: that is the desktop's choice.
    get.setAutoStartService(false);
    auto *pending = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(get), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (!reply.isError())
            report(reply.value().variant().toBool());
        call->deleteLater();
    });
}

void ScreenReaderStatus::propertiesChanged(const QString &interface, const QVariantMap &changed, const QStringList &invalidated)
{
    if (interface != kStatus)
        return;
    if (changed.contains(kProperty))
        report(changed.value(kProperty).toBool());
    else if (invalidated.contains(kProperty))
        ask();
}
