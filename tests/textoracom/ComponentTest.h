#pragma once

#include "RecordingLog.h"
#include "textoracom/ClsPostMessage.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

// One component object over a settings file in a fresh folder, called through its interface.
class ComponentTest : public ::testing::Test
{
protected:
    struct Call
    {
        QString userName = QStringLiteral("dan");
        QString password = QStringLiteral("secret");
        QString message = QStringLiteral("Hello");
        QString mobileNumber = QStringLiteral("0541234567");
        QString signature = QStringLiteral("Dana");
        // Omitted when not set.
        std::optional<QString> deliveryReportUrl;
        std::optional<int> deliveryReportMask;
        std::optional<int> deferredDelay;
        std::optional<int> expiration;
    };

    ComponentTest();
    ~ComponentTest() override;

    // The text of TextoraCom.ini, one line per "\n"; written in Windows-1255 with CR LF.
    void WriteSettings(const QString& text);
    // The settings of one HTTP method at url, after those of extra.
    void WriteHttpSettings(const QString& url, const QString& extra = QString());
    // Sends through the interface; the credentials of the call come back as the component left them.
    bool Send(Call& call);
    bool Send();
    enumErrors Code();
    QString Message();

    QTemporaryDir m_dir;
    CRecordingLog m_log;
    _ClsPostMessage* m_sms;
};
