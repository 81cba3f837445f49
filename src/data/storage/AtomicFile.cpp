#include "data/storage/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace AtomicFile {

namespace {

Q_LOGGING_CATEGORY(lcAtomic, "WEDDING - AtomicFile")

constexpr int kSuffixLength = 6;
const char kSuffixChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

bool IsSuffixChar(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

// Six letters and digits, never lower-case letters alone: a suffix like ".backup" is a word a user
// chose, not one this writer made.
QByteArray RandomSuffix()
{
    QByteArray suffix(kSuffixLength, '0');
    const int letters = int(sizeof kSuffixChars) - 1;
    for (char& c : suffix)
        c = kSuffixChars[QRandomGenerator::global()->bounded(letters)];
    suffix[QRandomGenerator::global()->bounded(kSuffixLength)] = kSuffixChars[26 + QRandomGenerator::global()->bounded(36)];
    return suffix;
}

bool WriteAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// The rename itself is made durable by syncing the folder that holds both names.
void SyncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

void RemoveLeftovers(const QFileInfo& target)
{
    const QString name = target.fileName();
    const QDir folder = target.absoluteDir();
    const QStringList candidates = folder.entryList({name + QStringLiteral(".*")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& candidate : candidates) {
        if (IsTemporaryName(candidate, name) && !QFile::remove(folder.filePath(candidate)))
            qCWarning(lcAtomic) << "Write: cannot remove the leftover" << folder.filePath(candidate);
    }
}

}

bool IsTemporaryName(const QString& fileName, const QString& targetName)
{
    if (fileName.size() != targetName.size() + 1 + kSuffixLength || !fileName.startsWith(targetName) ||
        fileName[targetName.size()] != u'.')
        return false;
    const QStringView suffix = QStringView(fileName).sliced(targetName.size() + 1);
    bool lowerOnly = true;
    for (const QChar c : suffix) {
        if (!IsSuffixChar(c))
            return false;
        lowerOnly = lowerOnly && c >= u'a' && c <= u'z';
    }
    return !lowerOnly;
}

bool Write(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(path);
    const QByteArray targetPath = QFile::encodeName(target.absoluteFilePath());
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = targetPath + '.' + RandomSuffix();
        // The mode 0666 goes through the umask, as for any new file.
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        qCWarning(lcAtomic) << "Write: cannot create a file beside" << path << std::strerror(errno);
        return false;
    }
    // A file that is replaced keeps its permissions.
    struct stat old;
    if (::stat(targetPath.constData(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);

    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const int error = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.constData(), targetPath.constData()) != 0) {
        qCWarning(lcAtomic) << "Write: cannot write" << path << std::strerror(written && closed ? errno : error);
        ::unlink(temporary.constData());
        return false;
    }
    SyncFolder(QFile::encodeName(target.absolutePath()));
    RemoveLeftovers(target);
    return true;
}

}
