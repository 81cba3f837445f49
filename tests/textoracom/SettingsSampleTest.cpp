#include "ComponentTest.h"
#include "LoopbackHttpServer.h"

#include "support/TestFiles.h"
#include "textoracom/Tools.h"

namespace {

// The first code block under the README's heading of the settings file, as a user copies it.
QString ReadmeSample()
{
    const QString readme = QString::fromUtf8(TestFiles::Read(QStringLiteral(TEXTORACOM_README)));
    const qsizetype heading = readme.indexOf(QStringLiteral("## Settings: `TextoraCom.ini`"));
    const qsizetype open = heading < 0 ? -1 : readme.indexOf(QStringLiteral("```\n"), heading);
    const qsizetype close = open < 0 ? -1 : readme.indexOf(QStringLiteral("\n```"), open + 4);
    return close < 0 ? QString() : readme.mid(open + 4, close - open - 4 + 1);
}

}

using SettingsSampleTest = ComponentTest;

TEST_F(SettingsSampleTest, TheReadmeSampleGivesTheValuesItDescribes)
{
    const QString sample = ReadmeSample();
    ASSERT_FALSE(sample.isEmpty());
    WriteSettings(sample);
    const QString file = m_dir.filePath(QStringLiteral("TextoraCom.ini"));
    const struct { const char* section; const char* key; const char* value; } kIntended[] = {
        {"Settings", "UserName", "account"}, {"Settings", "Password", "secret"},
        {"Methods", "Total", "2"}, {"Methods", "Method1", "Web"}, {"Methods", "Method2", "Gsm"},
        {"Web", "Type", "HTTP"}, {"Web", "URL", "https://sms.example/post"}, {"Web", "OKmessage", "OK"},
        {"Web", "RequestTimeout", "60"}, {"Gsm", "Type", "MODEM"}, {"Gsm", "Com", "3"},
        {"Gsm", "RequestTimeout", "4000"}, {"SerialPorts", "COM3", "/dev/ttyUSB0"},
    };
    for (const auto& intended : kIntended)
        EXPECT_EQ(Tools::ReadIniValue(QString::fromLatin1(intended.section), QString::fromLatin1(intended.key),
                                      QStringLiteral("-"), file)
                      .toStdString(),
                  intended.value)
            << intended.section << " " << intended.key;
}

TEST_F(SettingsSampleTest, TheReadmeSampleSendsWithItsAccount)
{
    CLoopbackHttpServer server("OK");
    QString sample = ReadmeSample();
    ASSERT_TRUE(sample.contains(u"https://sms.example/post"));
    sample.replace(QStringLiteral("https://sms.example/post"), server.Url());
    WriteSettings(sample);
    Call call;
    call.userName.clear();
    call.password.clear();
    EXPECT_TRUE(Send(call));
    ASSERT_EQ(server.RequestLines().size(), 1);
    EXPECT_TRUE(server.RequestLines()[0].startsWith(
        "GET /send?UserName=%61%63%63%6F%75%6E%74&Password=%73%65%63%72%65%74&Sender="))
        << server.RequestLines()[0].toStdString();
    EXPECT_EQ(call.userName, u"account");
}
