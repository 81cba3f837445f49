#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class CGuest;
class CNewZelDoc;

// The comma-separated file of the guests who have not answered (status neither approved nor
// declined), for an outside approval service, in the Windows Hebrew code page.
class CUnansweredCsv
{
public:
    enum class Result { Written, NobodyLeft, WriteFailed };

    struct Content
    {
        QByteArray bytes;
        int guests = 0;
        // Full names the code page cannot carry whole.
        QStringList lossyNames;
    };

    static QString DefaultFileName() { return QStringLiteral("Guests.csv"); }
    static QString Filter() { return QStringLiteral("Comma Separated Files (*.csv);;All Files (*)"); }

    static Content Build(const QList<CGuest*>& guests);
    // Writes the file atomically and tells the user of names written with "?" and of a file not
    // written because no guest is left to ask.
    static Result Export(CNewZelDoc& document, const QString& path);
};
