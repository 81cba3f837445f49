#pragma once

#include "data/records/Expence.h"

// A supplier's price offer filed under a category; the budget planner puts it into up to three
// plans. The price is the payment part's shekel amount; the notes are the offer's comments.
class COffer : public CExpence
{
public:
    static constexpr int kPlanCount = 3;

    // Offers keep counting across loads: their counter is never set back.
    explicit COffer(CRecordCounters* counters = nullptr);
    // Every offer of an older Offers.ini; the caller owns them.
    static QList<COffer*> LoadAllIni(const CIniFile& file, CRecordCounters* counters);
    // Brings the sections of the first versions, which kept plan 0 as IsInOffer, to the later
    // IsInPlan0 key. Done when the event is saved: reading an event writes nothing.
    static bool ReplaceOlderPlanKeys(const QString& path, const QList<COffer*>& offers);

    void MakeSection() override { FormatSection(kPrefix); }
    int FileCode() const override { return FC_OFFERS; }
    bool LoadIni(const CIniFile& file, const QString& section) override;
    bool WriteXml(QByteArray& buffer) const override;

    // The shekel price; per guest, times the offer's own guest count, or times the given one when
    // the offer has none.
    qint64 GetPrice(int guestCount) const;

    bool IsInPlan(int plan) const;
    // False for a plan outside 0 to 2.
    bool SetInPlan(int plan, bool inPlan);
    bool IsPerGuest() const { return m_isPerGuest; }
    bool SetPerGuest(bool perGuest);
    int GetGuestsForOffer() const { return m_guestsForOffer; }
    bool SetGuestsForOffer(int guests);

protected:
    // The data file carries an offer's comments as its notes.
    void TakeIniComments(const QString& comments) override;

private:
    static inline const QString kPrefix = QStringLiteral("Offer");

    bool m_inPlan[kPlanCount] = {false, false, false};
    bool m_isPerGuest = false;
    int m_guestsForOffer = 0;
    // Read from a section that still has the IsInOffer key of the first versions.
    bool m_olderPlanKey = false;
};
