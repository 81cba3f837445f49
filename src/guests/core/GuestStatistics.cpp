#include "guests/core/GuestStatistics.h"

#include "guests/core/GuestTexts.h"

#include "data/records/Guest.h"

void CGuestStatistics::Compute(const QList<CGuest*>& shown)
{
    m_rows = {};
    const QString bride = GuestTexts::Bride();
    const QString groom = GuestTexts::Groom();
    const QString shared = GuestTexts::Shared();
    for (const CGuest* guest : shown) {
        const QString& relation = guest->GetRelation();
        const int side = relation == bride ? Bride : relation == groom ? Groom : relation == shared ? Shared : -1;
        for (int row : {side, int(Total)}) {
            if (row < 0)
                continue;
            Row& sums = m_rows[size_t(row)];
            sums.coming += guest->GetComing();
            sums.invited += guest->GetInvited();
            if (guest->IsNotComing())
                sums.notComing += guest->GetInvited();
            if (guest->IsApproved())
                sums.approved += guest->GetComing();
            if (guest->GetInvitationSent()) {
                sums.invitations += guest->GetInvitations();
                sums.sentComing += guest->GetComing();
            }
        }
    }
}

QString CGuestStatistics::InvitationText(qint64 invitations, qint64 coming)
{
    const int blanks = invitations > 99 ? 2 : invitations <= 9 ? 6 : 4;
    return QStringLiteral("%1%2[%3 מוזמנים]").arg(invitations).arg(QString(blanks, QLatin1Char(' '))).arg(coming);
}

QStringList CGuestStatistics::RowLabels()
{
    return {GuestTexts::Bride(), GuestTexts::Groom(), GuestTexts::Shared(), QStringLiteral("סה\"כ")};
}

QStringList CGuestStatistics::ColumnCaptions()
{
    return {QStringLiteral("יבואו"), QStringLiteral("הוזמנו"), QStringLiteral("לא יבואו"), QStringLiteral("נשלחה הזמנה"),
            QStringLiteral("אישרו")};
}
