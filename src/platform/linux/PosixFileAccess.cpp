#include "platform/linux/PosixFileAccess.h"

#include "rules/FileError.h"
#include "support/UserText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

QString errorText(int error)
{
    return QString::fromStdString(std::error_code(error, std::generic_category()).message());
}

/// The name a message shows: the last component as given ("rules.json/" keeps its slash,
/// which is what went wrong), never an empty pair of quotes, and not a screenful.
QString fileName(const QString &path)
{
    constexpr qsizetype kShown = 80;
    QString trimmed = path;
    while (trimmed.size() > 1 && trimmed.endsWith(QLatin1Char('/')))
        trimmed.chop(1);
    QString name = QFileInfo(trimmed).fileName();
    if (name.isEmpty())
        name = trimmed;
    if (trimmed.size() < path.size())
        name += QLatin1Char('/');
    if (name.size() > kShown)
        name = name.left(kShown / 2) + QStringLiteral("\u2026") + name.right(kShown / 2);
    return name;
}

UserText sentence(const char *source, const QStringList &arguments)
{
    return UserText::translate("PosixFileAccess", source).args(arguments);
}

/// `source` has %1 for the file's name and %2 for the system's reason.
[[noreturn]] void fail(const char *source, const QString &path, int error)
{
    throw FileError(sentence(source, { fileName(path), errorText(error) }));
}

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

/// Closes on every path out, including exceptions.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return m_fd; }
    /// Closes now and reports the error, which for a written file may be the first sign of
    /// a full disk.
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

void writeAll(int fd, const QByteArray &data, const QString &path)
{
    const char *cursor = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, cursor, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            fail(
                QT_TRANSLATE_NOOP("PosixFileAccess", "The file \"%1\" could not be saved: %2."), path, errno);
        }
        cursor += written;
        left -= written;
    }
}

/// Makes the rename itself durable; a failure here leaves the new content in place, so it
/// is not reported.
void syncFolder(const QString &folder)
{
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool PosixFileAccess::exists(const QString &path)
{
    struct stat info;
    return ::lstat(native(path).constData(), &info) == 0;
}

void PosixFileAccess::createFolder(const QString &path)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    qsizetype next = 1;
    while (next <= absolute.size()) {
        qsizetype slash = absolute.indexOf(QLatin1Char('/'), next);
        if (slash < 0)
            slash = absolute.size();
        const QByteArray prefix = native(absolute.left(slash));
        next = slash + 1;
        if (::mkdir(prefix.constData(), 0700) == 0)
            continue;
        const int error = errno;
        struct stat info;
        if (error == EEXIST && ::stat(prefix.constData(), &info) == 0 && S_ISDIR(info.st_mode))
            continue;
        throw FileError(
            sentence(QT_TRANSLATE_NOOP("PosixFileAccess", "The folder \"%1\" could not be created: %2."),
                { QFile::decodeName(prefix), errorText(error == EEXIST ? ENOTDIR : error) }));
    }
}

QByteArray PosixFileAccess::read(const QString &path, qint64 maxBytes)
{
    // Non-blocking, so that a FIFO put in the file's place cannot hang the reader.
    Descriptor fd(::open(native(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0)
        fail(QT_TRANSLATE_NOOP("PosixFileAccess", "The file \"%1\" could not be read: %2."), path, errno);
    struct stat info;
    if (::fstat(fd.get(), &info) != 0)
        fail(QT_TRANSLATE_NOOP("PosixFileAccess", "The file \"%1\" could not be read: %2."), path, errno);
    if (!S_ISREG(info.st_mode))
        throw FileError(sentence(QT_TRANSLATE_NOOP("PosixFileAccess",
                                     "The file \"%1\" could not be read: it is not a regular file."),
            { fileName(path) }));
    if (info.st_size > maxBytes) {
        throw FileError(sentence(QT_TRANSLATE_NOOP("PosixFileAccess",
                                     "The file \"%1\" is too large (%2 bytes; at most %3 are read)."),
            { fileName(path), QString::number(info.st_size), QString::number(maxBytes) }));
    }
    QByteArray data;
    data.reserve(static_cast<qsizetype>(info.st_size));
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t count = ::read(fd.get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            fail(QT_TRANSLATE_NOOP("PosixFileAccess", "The file \"%1\" could not be read: %2."), path, errno);
        }
        if (count == 0)
            break;
        if (data.size() + count > maxBytes)
            throw FileError(sentence(
                QT_TRANSLATE_NOOP("PosixFileAccess", "The file \"%1\" grew too large while it was read."),
                { fileName(path) }));
        data.append(buffer, static_cast<qsizetype>(count));
    }
    return data;
}

namespace {

/// The name writeAtomically gives its temporary file for `fileName`, up to the random part.
QString temporaryPrefix(const QString &fileName)
{
    return QStringLiteral(".") + fileName + QStringLiteral(".tmp-");
}

} // namespace

int PosixFileAccess::removeStaleTemporaries(const QString &folder, const QString &fileName)
{
    static const QRegularExpression randomPart(QStringLiteral("^[0-9a-f]{1,16}$"));
    const QString prefix = temporaryPrefix(fileName);
    int removed = 0;
    const QStringList names
        = QDir(folder).entryList({ prefix + QLatin1Char('*') }, QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        if (randomPart.match(name.mid(prefix.size())).hasMatch()
            && ::unlink(native(folder + QLatin1Char('/') + name).constData()) == 0)
            ++removed;
    }
    return removed;
}

void PosixFileAccess::writeAtomically(const QString &path, const QByteArray &data)
{
    QFileInfo target(path);
    // A file kept elsewhere and linked in (as dotfile managers do) stays linked: the new
    // content replaces the file the link points at, not the link.
    if (target.isSymLink() && !target.canonicalFilePath().isEmpty())
        target = QFileInfo(target.canonicalFilePath());
    const QString folder = target.absolutePath();
    const QByteArray targetName = native(target.absoluteFilePath());

    // The temporary file sits in the target's folder so that the rename cannot cross file
    // systems; O_EXCL keeps it from ever being someone else's file.
    QString temporary;
    int fdValue = -1;
    for (int attempt = 0; attempt < 16 && fdValue < 0; ++attempt) {
        temporary = folder + QLatin1Char('/') + temporaryPrefix(target.fileName())
            + QString::number(QRandomGenerator::global()->generate64(), 16);
        fdValue = ::open(native(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fdValue < 0 && errno != EEXIST)
            break;
    }
    if (fdValue < 0)
        fail(QT_TRANSLATE_NOOP("PosixFileAccess", "The file \"%1\" could not be saved: %2."), path, errno);

    Descriptor fd(fdValue);
    try {
        struct stat existing;
        if (::stat(targetName.constData(), &existing) == 0)
            ::fchmod(fd.get(), existing.st_mode & 07777);
        writeAll(fd.get(), data, path);
        if (::fsync(fd.get()) != 0)
            fail(
                QT_TRANSLATE_NOOP("PosixFileAccess", "The file \"%1\" could not be saved: %2."), path, errno);
        if (const int error = fd.close())
            fail(
                QT_TRANSLATE_NOOP("PosixFileAccess", "The file \"%1\" could not be saved: %2."), path, error);
        if (::rename(native(temporary).constData(), targetName.constData()) != 0)
            fail(
                QT_TRANSLATE_NOOP("PosixFileAccess", "The file \"%1\" could not be saved: %2."), path, errno);
    } catch (...) {
        ::unlink(native(temporary).constData());
        throw;
    }
    syncFolder(folder);
}

void PosixFileAccess::move(const QString &from, const QString &to)
{
    const QByteArray source = native(from);
    const QByteArray destination = native(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, destination.constData(), RENAME_NOREPLACE) == 0)
        return;
    int error = errno;
    if (error == EINVAL || error == ENOSYS) {
        // File systems without RENAME_NOREPLACE: check, then rename.
        if (exists(to))
            error = EEXIST;
        else if (::rename(source.constData(), destination.constData()) == 0)
            return;
        else
            error = errno;
    }
    fail(QT_TRANSLATE_NOOP("PosixFileAccess", "The file \"%1\" could not be moved: %2."), from, error);
}
