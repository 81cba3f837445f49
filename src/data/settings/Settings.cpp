#include "data/settings/Settings.h"

#include "data/storage/IniFile.h"
#include "data/settings/Language.h"
#include "data/settings/NumberText.h"
#include "data/settings/StringTable.h"

namespace {

const QString kGen = QStringLiteral("GenSettings");
const QString kTableNotes = QStringLiteral("TableNotesSettings");
const QString kAddressCards = QStringLiteral("AddressCardsSettings");
const QString kFtpAccount = QStringLiteral("FTPSettings");
const QString kFtpFlags = QStringLiteral("FtpSettings");
const QString kGuestsCount = QStringLiteral("GuestsCount");
const int kDefaultKidsPresent = 50;

QList<QPair<QString, QString>> KeyMapDefaults()
{
    QList<QPair<QString, QString>> keys;
    for (const char* key : {"GroumName", "GroomMid", "GroumFamily", "BrideName", "BrideMid", "BrideFamily",
                            "CouplePhone", "WeddingYear", "WeddingMonth", "WeddingDay", "FontColorTableTiket",
                            "FontSizeTableTiket", "FontFaceTableTiket", "FontSizeAddress", "FontFaceAddress",
                            "ShowSerial", "UpperBudgetLimit", "ShowTablesHelpMsg", "ShowTTInTables", "EventCode",
                            "SmsPassword", "SmsUserName", "SmsFromNum", "SmsMessage"})
        keys.append({QString::fromLatin1(key), QString()});
    // Column widths of the guest list, by interface language. The status column shows its check
    // box, picture and word in both.
    const bool english = Language::IsEnglish();
    const struct { const char* key; const char* english; const char* hebrew; } widths[] = {
        {"GV_APROVED", "100", "100"},    {"GV_INVITED", "0", "0"},      {"GV_ACTUAL", "0", "0"},
        {"GV_FAMILY_NAME", "153", "129"}, {"GV_GROUP", "171", "258"}, {"GV_RELATION", "72", "83"},
        {"GV_NAMES", "150", "116"},    {"GV_GUEST_NUM", "47", "32"},  {"GV_INVITATION_SENT", "0", "0"},
    };
    for (const auto& width : widths)
        keys.append({QString::fromLatin1(width.key), QString::fromLatin1(english ? width.english : width.hebrew)});
    return keys;
}

struct CardKeys
{
    const QString& section;
    const char* prefix;
    bool hasLine4;
};

const CardKeys kTableCardKeys{kTableNotes, "", true};
const CardKeys kAddressCardKeys{kAddressCards, "AC_", false};

QString CardKey(const CardKeys& keys, const char* name)
{
    return QString::fromLatin1(keys.prefix) + QString::fromLatin1(name);
}

CSettings::CardLayout LoadCard(const CIniFile& file, const CardKeys& keys, const QString& line1Default)
{
    CSettings::CardLayout card;
    card.line1 = file.GetString(keys.section, CardKey(keys, "Line1"), line1Default);
    card.line2 = file.GetString(keys.section, CardKey(keys, "Line2"));
    if (keys.hasLine4) {
        card.line4Start = file.GetString(keys.section, CardKey(keys, "Line4Start"), StringTable::Get(59802));
        card.line4End = file.GetString(keys.section, CardKey(keys, "Line4End"));
    }
    card.line5 = file.GetString(keys.section, CardKey(keys, "Line5"));
    card.width = file.GetInt(keys.section, CardKey(keys, "Width"), 220);
    card.height = file.GetInt(keys.section, CardKey(keys, "Height"), 150);
    card.borderColor = file.GetString(keys.section, CardKey(keys, "BorderColor"), QStringLiteral("black"));
    card.borderSize = file.GetInt(keys.section, CardKey(keys, "BorderSize"), 1);
    return card;
}

void SaveCard(CIniFile& file, const CardKeys& keys, const CSettings::CardLayout& card)
{
    file.SetString(keys.section, CardKey(keys, "Line1"), card.line1);
    file.SetString(keys.section, CardKey(keys, "Line2"), card.line2);
    if (keys.hasLine4) {
        file.SetString(keys.section, CardKey(keys, "Line4Start"), card.line4Start);
        file.SetString(keys.section, CardKey(keys, "Line4End"), card.line4End);
    }
    file.SetString(keys.section, CardKey(keys, "Line5"), card.line5);
    file.SetInt(keys.section, CardKey(keys, "Width"), card.width);
    file.SetInt(keys.section, CardKey(keys, "Height"), card.height);
    file.SetString(keys.section, CardKey(keys, "BorderColor"), card.borderColor);
    file.SetInt(keys.section, CardKey(keys, "BorderSize"), card.borderSize);
}

}

CSettings::CSettings()
{
    Load(QString());
}

void CSettings::Load(const QString& path)
{
    CIniFile file;
    if (!path.isEmpty())
        file.Load(path);

    m_dolarToShekel = NumberText::LeadingDouble(file.GetString(kGen, QStringLiteral("DolarToShekel")));
    if (m_dolarToShekel < 0)
        m_dolarToShekel = 4.5;
    m_lastUIMode = file.GetInt(kGen, QStringLiteral("LastUIMode"), 3);
    m_guestsInTable = file.GetInt(kGen, QStringLiteral("NumberOfGuestsInTable"), 10);
    m_arrangeByHallNumber = file.GetInt(kGen, QStringLiteral("ArrangeTableByHallNumber"), 0) != 0;
    m_dontShowNonComming = file.GetInt(kGen, QStringLiteral("DontShowNonComming"), 0) != 0;
    m_kidsPresent = file.GetInt(kGen, QStringLiteral("KidsPresent"), kDefaultKidsPresent);
    m_eventType = file.GetInt(kGen, QStringLiteral("EventType"), 0);
    m_lastGuestUniqueId = file.GetInt(kGen, QStringLiteral("lastGuestUniqueId"), 1000);
    m_eveName = file.GetString(kGen, QStringLiteral("EveName"));

    LoadKeyMap(file, KeyMapDefaults());

    m_tableCard = LoadCard(file, kTableCardKeys, StringTable::Get(59801));
    m_addressCard = LoadCard(file, kAddressCardKeys, StringTable::Get(59803));

    m_ftpServer = file.GetString(kFtpAccount, QStringLiteral("FTPServer"));
    m_ftpUser = file.GetString(kFtpAccount, QStringLiteral("FTPUser"));
    m_ftpPassword = file.GetString(kFtpAccount, QStringLiteral("FTPP"));
    m_ftpAutoUpload = file.GetInt(kFtpFlags, QStringLiteral("FtpAutoUpload"), 0) != 0;
    m_ftpAutoDownload = file.GetInt(kFtpFlags, QStringLiteral("FtpAutoDownload"), 0) != 0;
    m_ftpSavePass = file.GetInt(kFtpFlags, QStringLiteral("FtpSavePass"), 0) != 0;

    m_modified = false;
}

bool CSettings::Save(const QString& path)
{
    if (!m_modified)
        return true;
    CIniFile file(path);
    file.SetString(kGen, QStringLiteral("DolarToShekel"), QString::fromLatin1(NumberText::Fixed(m_dolarToShekel, 2)));
    file.SetInt(kGen, QStringLiteral("LastUIMode"), m_lastUIMode);
    file.SetInt(kGen, QStringLiteral("NumberOfGuestsInTable"), m_guestsInTable);
    file.SetInt(kGen, QStringLiteral("ArrangeTableByHallNumber"), m_arrangeByHallNumber ? 1 : 0);
    file.SetInt(kGen, QStringLiteral("DontShowNonComming"), m_dontShowNonComming ? 1 : 0);
    // The default is not written; a stale value from an earlier save must not come back, so it goes.
    if (m_kidsPresent == kDefaultKidsPresent)
        file.RemoveKey(kGen, QStringLiteral("KidsPresent"));
    else
        file.SetInt(kGen, QStringLiteral("KidsPresent"), m_kidsPresent);
    file.SetInt(kGen, QStringLiteral("EventType"), m_eventType);
    file.SetInt(kGen, QStringLiteral("lastGuestUniqueId"), m_lastGuestUniqueId);
    file.SetString(kGen, QStringLiteral("EveName"), m_eveName);

    SaveKeyMap(file);
    SaveCard(file, kTableCardKeys, m_tableCard);
    SaveCard(file, kAddressCardKeys, m_addressCard);

    file.SetString(kFtpAccount, QStringLiteral("FTPServer"), m_ftpServer);
    file.SetString(kFtpAccount, QStringLiteral("FTPUser"), m_ftpUser);
    if (m_ftpSavePass)
        file.SetString(kFtpAccount, QStringLiteral("FTPP"), m_ftpPassword);
    else
        file.RemoveKey(kFtpAccount, QStringLiteral("FTPP"));
    file.SetInt(kFtpFlags, QStringLiteral("FtpAutoUpload"), m_ftpAutoUpload ? 1 : 0);
    file.SetInt(kFtpFlags, QStringLiteral("FtpAutoDownload"), m_ftpAutoDownload ? 1 : 0);
    file.SetInt(kFtpFlags, QStringLiteral("FtpSavePass"), m_ftpSavePass ? 1 : 0);

    if (!file.Save())
        return false;
    m_modified = false;
    return true;
}

bool CSettings::WriteGuestsCount(const QString& path, int count)
{
    return CIniFile::WriteProfileString(path, kGuestsCount, kGuestsCount, QString::number(count));
}
