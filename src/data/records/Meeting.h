#pragma once

#include "data/records/BaseElement.h"
#include "data/records/ShortDate.h"

#include <QList>

#include <algorithm>

// An appointment with a supplier: the subject (name), notes, the contact's details and a date.
class CMeeting : public CBaseElement
{
public:
    // The pen the calendar views draw a meeting with: solid, this width and colour (0xRRGGBB).
    static constexpr int kPenWidth = 2;
    static constexpr unsigned kPenColor = 0xFF0000;

    // A new meeting is dated today.
    // The counter is set back before an event is loaded, so the first meeting read gets 0.
    explicit CMeeting(CRecordCounters* counters = nullptr);

    // Every meeting of an older Meetings.ini; the caller owns them.
    static QList<CMeeting*> LoadAllIni(const CIniFile& file, CRecordCounters* counters);
    // True when a's date is before b's (year, then month, then day).
    static bool IsEarlier(const CMeeting& a, const CMeeting& b);
    // Orders meetings by date; meetings of the same day keep their order in either direction.
    template <typename List>
    static void SortByDate(List& meetings, bool ascending = true)
    {
        if (ascending)
            std::stable_sort(meetings.begin(), meetings.end(),
                             [](const auto& a, const auto& b) { return IsEarlier(*a, *b); });
        else
            std::stable_sort(meetings.begin(), meetings.end(),
                             [](const auto& a, const auto& b) { return IsEarlier(*b, *a); });
    }

    void MakeSection() override { FormatSection(kPrefix); }
    int FileCode() const override { return FC_MEETINGS; }
    bool LoadIni(const CIniFile& file, const QString& section) override;
    bool WriteXml(QByteArray& buffer) const override;
    // Also gives the notes "\r\n" line breaks where the data file's reader left a bare "\n".
    void ClearFlags() override;

    bool SetContactPhone(const QString& phone);
    const QString& GetContactPhone() const { return m_contactPhone; }
    bool SetContactJob(const QString& job);
    const QString& GetContactJob() const { return m_contactJob; }
    bool SetContactAddress(const QString& address);
    const QString& GetContactAddress() const { return m_contactAddress; }
    bool SetContactName(const QString& name);
    const QString& GetContactName() const { return m_contactName; }
    bool SetDate(const ShortDate& date);
    const ShortDate& GetDate() const { return m_date; }

private:
    static inline const QString kPrefix = QStringLiteral("Meeting");

    QString m_contactPhone;
    QString m_contactJob;
    QString m_contactAddress;
    QString m_contactName;
    ShortDate m_date;
};
