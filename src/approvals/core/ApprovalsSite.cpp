#include "approvals/core/ApprovalsSite.h"

#include "data/settings/AppSettings.h"
#include "data/settings/Language.h"

QString ApprovalsSite::Default()
{
    return Language::IsHebrew() ? QStringLiteral("https://ravivaz.example.com/he/")
                                : QStringLiteral("https://ravivaz.example.com/en/");
}

QString ApprovalsSite::Address(const CAppSettings& settings)
{
    QString site = settings.Key(kSettingKey).trimmed();
    if (site.isEmpty())
        return Default();
    if (!site.endsWith(QLatin1Char('/')))
        site += QLatin1Char('/');
    return site;
}

QString ApprovalsSite::ApprovePage(const CAppSettings& settings)
{
    return Address(settings) + (Language::IsHebrew() ? QStringLiteral("approve.php") : QStringLiteral("approve.html"));
}
