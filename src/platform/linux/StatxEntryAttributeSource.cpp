#include "platform/linux/StatxEntryAttributeSource.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

EntryAttributeSource::TypeHint hintFor(unsigned char type)
{
    switch (type) {
    case DT_UNKNOWN:
        return EntryAttributeSource::TypeHint::Unknown;
    case DT_DIR:
        return EntryAttributeSource::TypeHint::Directory;
    case DT_REG:
        return EntryAttributeSource::TypeHint::RegularFile;
    case DT_LNK:
        return EntryAttributeSource::TypeHint::SymbolicLink;
    default:
        return EntryAttributeSource::TypeHint::Other;
    }
}

class DirListing final : public EntryAttributeSource::Listing {
public:
    explicit DirListing(DIR *dir)
        : m_dir(dir)
        , m_fd(::dirfd(dir))
    {
    }
    ~DirListing() override { ::closedir(m_dir); }

    DirListing(const DirListing &) = delete;
    DirListing &operator=(const DirListing &) = delete;

    bool next() override
    {
        if (m_failed)
            return false;
        errno = 0;
        m_entry = ::readdir(m_dir);
        if (!m_entry) {
            // End of directory leaves errno alone; a card pulled mid-read sets it.
            m_failed = errno != 0;
            return false;
        }
        return true;
    }

    QByteArrayView name() const override
    {
        return m_entry ? QByteArrayView(m_entry->d_name, qsizetype(std::strlen(m_entry->d_name)))
                       : QByteArrayView();
    }

    EntryAttributeSource::TypeHint typeHint() const override
    {
        return m_entry ? hintFor(m_entry->d_type) : EntryAttributeSource::TypeHint::Unknown;
    }

    std::optional<EntryAttributeSource::Attributes> attributes(EntryAttributeSource::Keys keys) override
    {
        return m_entry ? attributesAt(m_entry->d_name, keys) : std::nullopt;
    }
    std::optional<EntryAttributeSource::Attributes> attributesOf(
        const QByteArray &name, EntryAttributeSource::Keys keys) override
    {
        if (name.isEmpty() || name.contains('\0') || name.contains('/'))
            return std::nullopt;
        return attributesAt(name.constData(), keys);
    }

    bool failed() const override { return m_failed; }

private:
    std::optional<EntryAttributeSource::Attributes> attributesAt(
        const char *name, EntryAttributeSource::Keys keys);

    DIR *m_dir;
    int m_fd;
    const dirent *m_entry = nullptr;
    bool m_failed = false;
};

std::optional<EntryAttributeSource::Attributes> DirListing::attributesAt(
    const char *name, EntryAttributeSource::Keys keys)
{
    using Source = EntryAttributeSource;
    EntryAttributeSource::Attributes result;
    result.isHidden = (keys & Source::IsHidden) && name[0] == '.';

    const bool wantsType = keys & (Source::IsDirectory | Source::IsRegularFile | Source::IsSymbolicLink);
    const bool wantsDate = keys & Source::CreationDate;
    if (!wantsType && !wantsDate)
        return result;

    unsigned mask = 0;
    if (wantsType)
        mask |= STATX_TYPE;
    if (wantsDate)
        mask |= STATX_BTIME;
    struct statx info { };
    // Relative to the open directory, so a parent renamed meanwhile cannot redirect us;
    // never follows the entry itself and never triggers an automount.
    if (::statx(m_fd, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, mask, &info) != 0)
        return std::nullopt;

    if (wantsType && (info.stx_mask & STATX_TYPE)) {
        const mode_t type = info.stx_mode & S_IFMT;
        result.isDirectory = (keys & Source::IsDirectory) && type == S_IFDIR;
        result.isRegularFile = (keys & Source::IsRegularFile) && type == S_IFREG;
        result.isSymbolicLink = (keys & Source::IsSymbolicLink) && type == S_IFLNK;
    }
    // A file system may report any 64-bit second count; beyond about 126 years from 1970
    // the date is meaningless and would overflow nanosecond arithmetic, so it is absent.
    constexpr std::int64_t kSaneSeconds = 4'000'000'000;
    if (wantsDate && (info.stx_mask & STATX_BTIME) && info.stx_btime.tv_sec > -kSaneSeconds
        && info.stx_btime.tv_sec < kSaneSeconds) {
        const auto since
            = std::chrono::seconds(info.stx_btime.tv_sec) + std::chrono::nanoseconds(info.stx_btime.tv_nsec);
        result.creationDate
            = Source::Clock::time_point(std::chrono::duration_cast<Source::Clock::duration>(since));
    }
    return result;
}

} // namespace

std::unique_ptr<EntryAttributeSource::Listing> StatxEntryAttributeSource::list(
    const QByteArray &directory) const
{
    // A NUL inside the path would silently shorten it to another directory.
    if (directory.isEmpty() || directory.contains('\0'))
        return nullptr;
    // O_DIRECTORY refuses FIFOs and devices before they could block the open.
    const int fd = ::open(directory.constData(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<DirListing>(dir);
}

EntryAttributeSource::Resolution StatxEntryAttributeSource::resolve(const QByteArray &path) const
{
    if (path.isEmpty() || path.contains('\0'))
        return { Resolution::Status::Missing, {} };
    char *real = ::realpath(path.constData(), nullptr);
    if (!real) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        return { missing ? Resolution::Status::Missing : Resolution::Status::Unreadable, {} };
    }
    Resolution found { Resolution::Status::Found, QByteArray(real) };
    std::free(real);
    return found;
}

bool StatxEntryAttributeSource::isDirectory(const QByteArray &path) const
{
    if (path.isEmpty() || path.contains('\0'))
        return false;
    struct stat info { };
    return ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

const StatxEntryAttributeSource &StatxEntryAttributeSource::instance()
{
    static const StatxEntryAttributeSource source;
    return source;
}
