#include "approvals/ui/ApprovalCommands.h"

#include "approvals/core/ApprovalMail.h"

#include "controls/CommandIds.h"
#include "data/document/NewZelDoc.h"
#include "data/document/Platform.h"
#include "data/document/UserMessages.h"

namespace {
const QString kNoEventCode =
    QStringLiteral("לארוע עדיין אין קוד ארוע, ובלעדיו המוזמנים לא יוכלו לאשר את הגעתם באתר.\r\n"
                   "יש להזין את קוד הארוע בפרטי הארוע ולנסות שוב.");
const QString kNoEventCodeCaption = QStringLiteral("חסר קוד ארוע");
}

CApprovalCommands::CApprovalCommands(const CommandContext& context)
    : m_context(context)
{
}

bool CApprovalCommands::HandlesCommand(int command) const
{
    return command == ID_MAIL_APPROVAL_DETAILS;
}

void CApprovalCommands::OnCommand(int command)
{
    if (command != ID_MAIL_APPROVAL_DETAILS)
        return;
    CNewZelDoc& document = m_context.document;
    if (document.Settings().Key(QStringLiteral("EventCode")).isEmpty()) {
        m_context.messages.MessageByText(kNoEventCode, kNoEventCodeCaption, MSG_OK);
        return;
    }
    const QList<const CGuest*> guests = ApprovalMail::Unconfirmed(document);
    if (guests.isEmpty()) {
        m_context.messages.MessageById(59896, 59895, MSG_OK);
        return;
    }
    for (const CGuest* guest : guests)
        m_context.platform.OpenUrl(ApprovalMail::GuestLink(document, *guest));
}
