#include "platform/linux/PosixFolderLister.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

struct DirCloser {
    void operator()(DIR *dir) const { ::closedir(dir); }
};

FolderLister::Kind kindOf(unsigned char type, int dirFd, const char *name)
{
    switch (type) {
    case DT_DIR:
        return FolderLister::Kind::Directory;
    case DT_LNK:
        return FolderLister::Kind::SymbolicLink;
    case DT_UNKNOWN: {
        // Some file systems (FUSE ones among them) do not fill in the type.
        struct stat info { };
        if (::fstatat(dirFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            return FolderLister::Kind::Other;
        if (S_ISDIR(info.st_mode))
            return FolderLister::Kind::Directory;
        if (S_ISLNK(info.st_mode))
            return FolderLister::Kind::SymbolicLink;
        return FolderLister::Kind::Other;
    }
    default:
        return FolderLister::Kind::Other;
    }
}

} // namespace

std::optional<QList<FolderLister::Entry>> PosixFolderLister::entries(const QString &directory) const
{
    const QByteArray native = QFile::encodeName(directory);
    if (native.contains('\0'))
        return std::nullopt;
    std::unique_ptr<DIR, DirCloser> dir(::opendir(native.constData()));
    if (!dir)
        return std::nullopt;
    QList<Entry> result;
    for (;;) {
        errno = 0;
        const dirent *item = ::readdir(dir.get());
        if (!item) {
            if (errno != 0)
                return std::nullopt;
            break;
        }
        const QByteArray raw(item->d_name);
        if (raw == "." || raw == "..")
            continue;
        const QString name = QFile::decodeName(raw);
        if (QFile::encodeName(name) != raw)
            continue;
        result.append({ name, kindOf(item->d_type, ::dirfd(dir.get()), item->d_name) });
    }
    return result;
}

std::optional<QString> PosixFolderLister::resolvedDirectory(const QString &path) const
{
    const QByteArray native = QFile::encodeName(path);
    if (native.contains('\0'))
        return std::nullopt;
    std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(native.constData(), nullptr), &std::free);
    if (!resolved)
        return std::nullopt;
    struct stat info { };
    if (::stat(resolved.get(), &info) != 0 || !S_ISDIR(info.st_mode))
        return std::nullopt;
    return QFile::decodeName(resolved.get());
}

const PosixFolderLister &PosixFolderLister::instance()
{
    static const PosixFolderLister lister;
    return lister;
}
