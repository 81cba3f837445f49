#pragma once

#include <QString>

#include <array>

// One of the six configurable link buttons of the browser panels.
struct LinkButton
{
    bool visible = true;
    QString label;
    QString content;
};

// The program's own configuration, General.ini beside the program file: links, the link buttons
// and whether to start in real-time mode. A missing file or key gives the default.
class CGeneralIni
{
public:
    static constexpr int kLinkButtons = 6;

    CGeneralIni();
    // Reads every key; false when the file does not exist (the defaults stay then).
    bool Load(const QString& path);
    // Writes REALTIME as "1" or "0" into the file that was loaded.
    bool WriteRealTime(bool on) const;

    const QString& Path() const { return m_path; }
    bool RealTime() const { return m_realTime; }
    const QString& NewVersionUrl() const { return m_newVersionUrl; }
    const QString& SiteUrl() const { return m_siteUrl; }
    const QString& PhoneLink() const { return m_phoneLink; }
    const QString& NewsTabName() const { return m_newsTabName; }
    const QString& NewsTabUrl() const { return m_newsTabUrl; }
    const QString& CommercialName() const { return m_commercialName; }
    const QString& CommercialUrl() const { return m_commercialUrl; }
    const QString& SupportPhone() const { return m_supportPhone; }
    const QString& SalesPhone() const { return m_salesPhone; }
    const QString& SalesEmail() const { return m_salesEmail; }
    const LinkButton& Button(int index) const { return m_buttons[index]; }

    // The maker's site, the default of UL.
    static QString DefaultSiteUrl();

private:
    QString m_path;
    bool m_realTime = false;
    QString m_newVersionUrl;
    QString m_siteUrl;
    QString m_phoneLink;
    QString m_newsTabName;
    QString m_newsTabUrl;
    QString m_commercialName;
    QString m_commercialUrl;
    QString m_supportPhone;
    QString m_salesPhone;
    QString m_salesEmail;
    std::array<LinkButton, kLinkButtons> m_buttons;
};
