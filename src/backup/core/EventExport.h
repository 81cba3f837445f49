#pragma once

#include <QString>

class CNewZelDoc;

// Writes the active event's files into a folder of the user's choice, the one the import command
// reads back. The event is saved first; each target file is replaced only once its copy is whole.
class CEventExport
{
public:
    enum class Result { Exported, Declined, Refused, Failed };

    explicit CEventExport(CNewZelDoc& document);

    Result Export(const QString& targetFolder);
    // Why a folder cannot take an export: the event's own folder, another event's folder or the data
    // folder itself would have their files overwritten. Empty when it can.
    QString RefusalReason(const QString& targetFolder) const;

private:
    CNewZelDoc& m_document;
};
