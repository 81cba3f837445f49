#include "data/document/RecoveryCopy.h"

#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"
#include "data/storage/AtomicFile.h"
#include "data/storage/DataLocation.h"
#include "data/storage/EventFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcRecovery, "WEDDING - CRecoveryCopy")

namespace {

const QString kRestoreQuestion = QStringLiteral(
    "נראה שהתוכנה לא נסגרה כראוי בפעם הקודמת, ושינויים בארוע זה לא נשמרו.\r\n"
    "עותק של השינויים נשמר באופן אוטומטי.\r\n\r\n"
    "האם לשחזר את השינויים מהעותק?\r\n"
    "(בחירה ב\"לא\" תמחק את העותק)");
const QString kRestoreCaption = QStringLiteral("שחזור שינויים שלא נשמרו");

}

CRecoveryCopy::CRecoveryCopy(CNewZelDoc& document, int delayMs, QObject* parent)
    : QObject(parent)
    , m_document(document)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(delayMs);
    connect(&m_timer, &QTimer::timeout, this, &CRecoveryCopy::WriteNow);
    connect(&document, &CNewZelDoc::Edited, this, &CRecoveryCopy::OnEdited);
    connect(&document, &CNewZelDoc::ModifiedChanged, this, &CRecoveryCopy::OnModifiedChanged);
}

QString CRecoveryCopy::FileName()
{
    return QStringLiteral("WeddingData-recovery.xml");
}

QString CRecoveryCopy::PathIn(const QString& eventFolder)
{
    return QDir::cleanPath(eventFolder + QLatin1Char('/') + FileName());
}

void CRecoveryCopy::OnEdited()
{
    // Not restarted by later edits: while the user keeps typing, a copy still goes out every delay.
    if (!m_timer.isActive())
        m_timer.start();
}

void CRecoveryCopy::OnModifiedChanged(bool modified)
{
    if (!modified)
        Discard();
}

bool CRecoveryCopy::WriteNow()
{
    m_timer.stop();
    if (!m_document.IsModified())
        return false;
    const QString path = PathIn(m_document.Location().GetEventFolder());
    if (!AtomicFile::Write(path, CEventFile::Build(m_document.Records()))) {
        qCWarning(lcRecovery) << "WriteNow: cannot write" << path;
        return false;
    }
    m_written = path;
    return true;
}

void CRecoveryCopy::Discard()
{
    m_timer.stop();
    if (!m_written.isEmpty())
        QFile::remove(m_written);
    m_written.clear();
}

bool CRecoveryCopy::OfferRestore()
{
    const QString folder = m_document.Location().CurrentEventFolder();
    const QFileInfo copy(PathIn(folder));
    if (!copy.isFile())
        return false;
    const QFileInfo data(m_document.Location().GetFilePath(FC_WEDDING_DATA));
    if (data.exists() && copy.lastModified() <= data.lastModified()) {
        // Written before the last save: that save holds everything it held.
        QFile::remove(copy.filePath());
        return false;
    }
    IUserMessages* messages = m_document.Messages();
    const int answer = messages ? messages->MessageByText(kRestoreQuestion, kRestoreCaption, MSG_YES_NO)
                                : int(MSG_RESULT_CANCEL);
    if (answer == MSG_RESULT_NO)
        QFile::remove(copy.filePath());
    if (answer != MSG_RESULT_YES)
        return false;
    if (!m_document.RestoreFrom(copy.filePath())) {
        qCWarning(lcRecovery) << "OfferRestore: the copy does not read whole:" << copy.filePath();
        return false;
    }
    // Until the restored changes are saved, this copy is theirs.
    m_written = copy.filePath();
    return true;
}
