// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QLoggingCategory>
#include <QStringList>

// Collects the log lines of the enabled categories while it lives, each as
// "category: message".
class LogCapture {
public:
    explicit LogCapture(const char *rules)
    {
        s_lines.clear();
        QLoggingCategory::setFilterRules(QString::fromLatin1(rules));
        m_previous = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        QLoggingCategory::setFilterRules(QStringLiteral("crosswords.*=false"));  // as the program starts
    }
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;
    static QStringList lines() { return s_lines; }

private:
    static void handle(QtMsgType, const QMessageLogContext &context, const QString &message)
    {
        s_lines.append(QString::fromLatin1(context.category) + QStringLiteral(": ") + message);
    }
    static inline QStringList s_lines;
    QtMessageHandler m_previous = nullptr;
};
