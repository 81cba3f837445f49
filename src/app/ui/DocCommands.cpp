#include "app/ui/DocCommands.h"

#include "app/ui/AppDefinesDlg.h"
#include "controls/CommandIds.h"
#include "finance/ui/DolarRateDlg.h"
#include "data/records/Guest.h"
#include "data/document/NewZelDoc.h"
#include "data/document/Platform.h"
#include "data/settings/StringTable.h"
#include "data/document/UserMessages.h"

#include <QFileInfo>

namespace {

const QString kNoCalculator = QStringLiteral(
    "לא יכול לאתר את המחשבון. קובץ זה נמצא לרוב בסיפריית חלונות\r\nלחץ על כן על מנת לאתר קובץ זה");
const QString kNoCalculatorCaption = QStringLiteral("איתור מחשבון");

}

CDocCommands::CDocCommands(const CommandContext& context, std::function<void()> rearmBackupTimer)
    : m_document(context.document)
    , m_messages(context.messages)
    , m_platform(context.platform)
    , m_frame(context.frame)
    , m_rearmBackupTimer(std::move(rearmBackupTimer))
{
}

bool CDocCommands::HandlesCommand(int command) const
{
    switch (command) {
    case ID_FILE_SAVE:
    case ID_MAIL_ALL_GUESTS:
    case ID_MAIL_UNCONFIRMED:
    case ID_DOLLAR_RATE:
    case ID_CALCULATOR:
    case ID_SETTINGS:
        return true;
    default:
        return false;
    }
}

void CDocCommands::OnCommand(int command)
{
    switch (command) {
    case ID_FILE_SAVE:
        m_document.SaveEvent();
        break;
    case ID_MAIL_ALL_GUESTS:
        Mail(false);
        break;
    case ID_MAIL_UNCONFIRMED:
        Mail(true);
        break;
    case ID_DOLLAR_RATE:
        CDolarRateDlg::Run(m_document, nullptr, &m_frame);
        break;
    case ID_CALCULATOR:
        StartCalculator();
        break;
    case ID_SETTINGS:
        EditApplicationSettings();
        break;
    default:
        break;
    }
}

QString CDocCommands::MailLink(const CNewZelDoc& document, bool unconfirmedOnly)
{
    QString addresses;
    for (const CGuest* guest : document.Records().guests) {
        // A guest added in this run still has the unset status 3, which is as unknown as 0.
        if (guest->GetEmail().isEmpty() || (unconfirmedOnly && (guest->IsApproved() || guest->IsNotComing())))
            continue;
        addresses += guest->GetEmail() + QLatin1Char(';');
    }
    return addresses.isEmpty() ? QString() : StringTable::Fill(QStringLiteral("mailto:%s"), {addresses});
}

void CDocCommands::Mail(bool unconfirmedOnly)
{
    const QString link = MailLink(m_document, unconfirmedOnly);
    if (!link.isEmpty())
        m_platform.OpenUrl(link);
    else if (unconfirmedOnly)
        m_messages.MessageById(59896, 59895, MSG_OK);
}

void CDocCommands::StartCalculator()
{
    CAppSettings& settings = m_document.AppSettings();
    if (!QFileInfo(settings.GetClacPath()).isFile()) {
        if (m_messages.MessageByText(kNoCalculator, kNoCalculatorCaption, MSG_YES_NO) != MSG_RESULT_YES)
            return;
        const QString picked = m_platform.ChooseFile(kNoCalculatorCaption, QStringLiteral("Program files (*)"));
        // Only a program can stand in for the calculator.
        if (picked.isEmpty() || !QFileInfo(picked).isExecutable())
            return;
        settings.SetClacPath(picked);
    }
    m_platform.StartProgram(settings.GetClacPath());
}

void CDocCommands::EditApplicationSettings()
{
    CAppDefinesDlg dialog(m_document, &m_messages, &m_frame);
    QObject::connect(&dialog, &CAppDefinesDlg::ReArmBackupTimer, &m_frame, m_rearmBackupTimer, Qt::QueuedConnection);
    dialog.exec();
}
