#include "data/settings/GeneralIni.h"

#include "data/storage/IniFile.h"

#include <QFileInfo>

namespace {

const QString kGeneral = QStringLiteral("General");
const QString kCommercial = QStringLiteral("Commercial");
const QString kDefaultPhoneLink = QStringLiteral("https://www.b144.co.il/");
const QString kDefaultSupportPhone = QStringLiteral("03-5551234");
const QString kDefaultSalesPhone = QStringLiteral("03-5551235");
const QString kDefaultSalesEmail = QStringLiteral("sales@ravivaz.example.com");
const QString kDefaultCommercialName = QStringLiteral("פרסומת");

}

CGeneralIni::CGeneralIni()
    : m_siteUrl(DefaultSiteUrl())
    , m_phoneLink(kDefaultPhoneLink)
    , m_commercialName(kDefaultCommercialName)
    , m_supportPhone(kDefaultSupportPhone)
    , m_salesPhone(kDefaultSalesPhone)
    , m_salesEmail(kDefaultSalesEmail)
{
}

QString CGeneralIni::DefaultSiteUrl()
{
    return QStringLiteral("https://ravivaz.example.com/");
}

bool CGeneralIni::Load(const QString& path)
{
    *this = CGeneralIni();
    m_path = path;
    if (!QFileInfo::exists(path))
        return false;
    // The values were read through 256-byte buffers: longer texts are cut the same way.
    const CIniFile ini(path);
    const auto text = [&ini](const QString& section, const QString& key, const QString& def) {
        return ini.GetString(section, key, def, CIniFile::ReadLimit::Cut255);
    };
    m_realTime = ini.GetInt(kGeneral, QStringLiteral("REALTIME"), 0) == 1;
    m_newVersionUrl = text(kGeneral, QStringLiteral("NewVersionUrl"), QString());
    m_siteUrl = text(kGeneral, QStringLiteral("UL"), DefaultSiteUrl());
    m_phoneLink = text(kGeneral, QStringLiteral("PhoneLink"), kDefaultPhoneLink);
    m_newsTabName = text(kGeneral, QStringLiteral("NewsTabName"), QString());
    m_newsTabUrl = text(kGeneral, QStringLiteral("NewsTabUrl"), QString());
    m_commercialName = text(kCommercial, QStringLiteral("Name"), kDefaultCommercialName);
    m_commercialUrl = text(kCommercial, QStringLiteral("URL"), QString());
    m_supportPhone = text(kGeneral, QStringLiteral("SupportPhone"), kDefaultSupportPhone);
    m_salesPhone = text(kGeneral, QStringLiteral("SalesPhone"), kDefaultSalesPhone);
    m_salesEmail = text(kGeneral, QStringLiteral("SalesEmail"), kDefaultSalesEmail);
    for (int i = 0; i < kLinkButtons; ++i) {
        const QString n = QString::number(i);
        m_buttons[i].visible = ini.GetInt(QStringLiteral("Buttons"), QStringLiteral("Btn") + n, 1) == 1;
        m_buttons[i].label = text(QStringLiteral("Buttons-label"), QStringLiteral("Lbl") + n, QString());
        m_buttons[i].content = text(QStringLiteral("Buttons-content"), QStringLiteral("Cnt") + n, QString());
    }
    return true;
}

bool CGeneralIni::WriteRealTime(bool on) const
{
    return CIniFile::WriteProfileString(m_path, kGeneral, QStringLiteral("REALTIME"),
                                        on ? QStringLiteral("1") : QStringLiteral("0"));
}
