#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <chrono>
#include <memory>
#include <optional>

/// A card's file system as Mirvale reads it: lists a directory's immediate entries and reads
/// their attributes without following symbolic links, and tells where a path really leads.
/// Names and paths are raw bytes: a card may carry names that are not valid UTF-8.
class EntryAttributeSource {
public:
    using Clock = std::chrono::system_clock;

    /// Which attributes a caller asks for; attributes not asked for read as false or absent.
    enum Key : unsigned {
        IsDirectory = 1u << 0,
        IsRegularFile = 1u << 1,
        IsSymbolicLink = 1u << 2,
        IsHidden = 1u << 3,
        CreationDate = 1u << 4,
    };
    using Keys = unsigned;

    /// A value the file system does not report is false (flags) or absent (the date). A date
    /// lies within 4e9 seconds of 1970, so differences between dates cannot overflow.
    struct Attributes {
        bool isDirectory = false;
        bool isRegularFile = false;
        bool isSymbolicLink = false;
        bool isHidden = false;
        std::optional<Clock::time_point> creationDate;
    };

    /// What the listing itself already tells about an entry's type, before any attribute read.
    enum class TypeHint { Unknown, Directory, RegularFile, SymbolicLink, Other };

    /// One pass over a directory, in the order the file system returns its entries.
    class Listing {
    public:
        virtual ~Listing() = default;

        /// Moves to the next entry; false at the end, or after a read error (see failed()).
        virtual bool next() = 0;
        /// The current entry's name; valid until the next call to next().
        virtual QByteArrayView name() const = 0;
        virtual TypeHint typeHint() const = 0;
        /// The current entry's attributes, or none when they cannot be read (it vanished,
        /// lost permission, the card went away).
        virtual std::optional<Attributes> attributes(Keys keys) = 0;
        /// The attributes of an entry of this directory by name, read now (for an entry seen
        /// earlier in the pass, whose attributes turned out to matter only later).
        virtual std::optional<Attributes> attributesOf(const QByteArray &name, Keys keys) = 0;
        /// True when the pass stopped on a read error rather than at the end.
        virtual bool failed() const = 0;
    };

    /// Where a path leads once every symbolic link is followed.
    struct Resolution {
        enum class Status {
            Found,
            Missing, ///< it (or a folder on the way) does not exist (any more)
            Unreadable ///< it cannot be followed: no permission, a link loop, a read error
        };
        Status status = Status::Missing;
        QByteArray path; ///< absolute, without links, "." or "..", when found
    };

    virtual ~EntryAttributeSource() = default;

    /// Opens `directory` (a native path) for one pass; null when it cannot be read.
    virtual std::unique_ptr<Listing> list(const QByteArray &directory) const = 0;
    /// Resolves every symbolic link in `path` (a native path).
    virtual Resolution resolve(const QByteArray &path) const = 0;
    /// Whether `path` exists and is a directory, following symbolic links.
    virtual bool isDirectory(const QByteArray &path) const = 0;
};
