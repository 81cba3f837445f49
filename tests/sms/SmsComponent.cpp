#include "SmsComponent.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringDecoder>

CSmsComponent::CSmsComponent(const QString& home)
{
    const QString folder = home + QStringLiteral("/lib");
    const QString library = folder + QStringLiteral("/libTextoraCom.so");
    if (!m_site.IsRunning() || !QDir().mkpath(folder) || !QFile::copy(QStringLiteral(TEXTORACOM_LIBRARY), library))
        return;
    TestFiles::Write(folder + QStringLiteral("/TextoraCom.ini"),
                     "[Methods]\r\nTotal=1\r\nMethod1=Web\r\n[Web]\r\nType=HTTP\r\nRequestTimeout=10\r\nURL=" +
                         m_site.Url(QStringLiteral("send")).toLatin1() + "\r\n");
    QProcess regsvr;
    regsvr.start(QStringLiteral(TEXTORACOM_REGSVR), {library});
    m_ready = regsvr.waitForFinished(20000) && regsvr.exitStatus() == QProcess::NormalExit && regsvr.exitCode() == 0;
}

void CSmsComponent::Refuse(const QString& mobile)
{
    m_site.Serve(QStringLiteral("fail-numbers.txt"), mobile.toLatin1() + '\n');
}

QStringList CSmsComponent::Messages()
{
    QStringList messages;
    for (const QString& request : m_site.Requests()) {
        const QString target = request.section(u' ', 1, 1);
        if (!target.startsWith(QStringLiteral("/send?")))
            continue;
        // Every character comes as its Windows-1255 code.
        QString number;
        QString text;
        for (const QString& pair : target.mid(6).split(u'&')) {
            QStringDecoder decode("windows-1255");
            const QString value = decode(QByteArray::fromPercentEncoding(pair.section(u'=', 1).toLatin1()));
            if (pair.startsWith(QStringLiteral("ToPhoneNumber=")))
                number = value;
            else if (pair.startsWith(QStringLiteral("Message=")))
                text = value;
        }
        messages.append(number + u'|' + text);
    }
    return messages;
}
