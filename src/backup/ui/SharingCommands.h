#pragma once

#include "controls/CommandHandler.h"

// The sharing menu: the FTP settings, the download from the server and the upload to it.
class CSharingCommands : public ICommandHandler
{
public:
    explicit CSharingCommands(const CommandContext& context);

    bool HandlesCommand(int command) const override;
    void OnCommand(int command) override;

    // The transfers with the wait cursor, completing missing settings through the dialog over the
    // parent; also the automatic ones of loading and saving.
    static void Download(CNewZelDoc& document, IPlatform& platform, QWidget* parent, bool atStart);
    static void Upload(CNewZelDoc& document, IPlatform& platform, QWidget* parent, bool afterSave);

private:
    CNewZelDoc& m_document;
    IPlatform& m_platform;
    QWidget& m_frame;
};
