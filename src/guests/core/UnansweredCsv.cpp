#include "guests/core/UnansweredCsv.h"

#include "data/document/UserQuestion.h"
#include "data/document/NewZelDoc.h"
#include "data/records/Guest.h"
#include "data/storage/AtomicFile.h"
#include "data/storage/Cp1255.h"

#include <QDir>

namespace {

const QString kHeader = QStringLiteral("שם האורח,מס' טלפון ראשי,מס' טלפון נוסף,מס' אורחים משוער");
const QString kCaption = QStringLiteral("יצוא מוזמנים שלא ענו");
const QString kNobodyText = QStringLiteral("כל המוזמנים כבר ענו להזמנה\r\nלא נכתב קובץ");
const QString kLossyText =
    QStringLiteral("בפרטי המוזמנים הבאים יש תווים שלא ניתן לכתוב בקובץ, והם נכתבו כסימני שאלה:\r\n");
const QString kWriteFailedText = QStringLiteral("לא ניתן לכתוב את הקובץ\r\n%s");

// Quotes a field only when it holds a comma, a quote or a line break.
QString Field(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

void Tell(CNewZelDoc& document, const QString& text, const QStringList& args = {})
{
    UserQuestion::Ask(document.Messages(), text, kCaption, MSG_OK, args);
}

}

CUnansweredCsv::Content CUnansweredCsv::Build(const QList<CGuest*>& guests)
{
    Content content;
    QString text = kHeader + QLatin1Char('\n');
    for (const CGuest* guest : guests) {
        const QString fullName = guest->GetFullName();
        if (guest->IsApproved() || guest->IsNotComing() || fullName.isEmpty())
            continue;
        const QString line = Field(fullName) + QLatin1Char(',') + Field(guest->GetPhone()) + QStringLiteral(",,") +
                             QString::number(guest->GetInvited()) + QLatin1Char('\n');
        if (Cp1255::Decode(Cp1255::Encode(line)) != line)
            content.lossyNames.append(fullName);
        text += line;
        ++content.guests;
    }
    content.bytes = Cp1255::Encode(text);
    return content;
}

CUnansweredCsv::Result CUnansweredCsv::Export(CNewZelDoc& document, const QString& path)
{
    const Content content = Build(document.Guests());
    if (content.guests == 0) {
        Tell(document, kNobodyText);
        return Result::NobodyLeft;
    }
    if (!AtomicFile::Write(path, content.bytes)) {
        Tell(document, kWriteFailedText, {QDir::toNativeSeparators(path)});
        return Result::WriteFailed;
    }
    if (!content.lossyNames.isEmpty()) {
        QString text = kLossyText;
        for (int i = 0; i < content.lossyNames.size(); ++i)
            text += QStringLiteral("%1. %2\r\n").arg(i + 1).arg(content.lossyNames[i]);
        Tell(document, text);
    }
    return Result::Written;
}
