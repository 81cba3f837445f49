#pragma once

#include "controls/CommandHandler.h"

#include <QString>

// The document's menu commands that need the desktop or a dialog: save, the two mail commands,
// the dollar rate, the calculator and the settings dialog. They come after the active view in the routing.
class CDocCommands : public ICommandHandler
{
public:
    // rearmBackupTimer runs after the settings dialog changed the backup interval.
    CDocCommands(const CommandContext& context, std::function<void()> rearmBackupTimer);

    bool HandlesCommand(int command) const override;
    void OnCommand(int command) override;

    // The mail link of the guests' addresses, all or only those whose answer is not known; empty
    // when no such guest has an address.
    static QString MailLink(const CNewZelDoc& document, bool unconfirmedOnly);

private:
    void Mail(bool unconfirmedOnly);
    void StartCalculator();
    void EditApplicationSettings();

    CNewZelDoc& m_document;
    IUserMessages& m_messages;
    IPlatform& m_platform;
    QWidget& m_frame;
    std::function<void()> m_rearmBackupTimer;
};
