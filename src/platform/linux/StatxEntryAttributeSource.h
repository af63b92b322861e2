#pragma once

#include "platform/EntryAttributeSource.h"

/// Reads directories with getdents and entry attributes with one statx call each (none when
/// the listing's entry type answers the question); the creation date is the birth time when
/// the file system reports one. Paths are resolved with realpath.
class StatxEntryAttributeSource final : public EntryAttributeSource {
public:
    std::unique_ptr<Listing> list(const QByteArray &directory) const override;
    Resolution resolve(const QByteArray &path) const override;
    bool isDirectory(const QByteArray &path) const override;

    /// A process-wide instance; the source keeps no state.
    static const StatxEntryAttributeSource &instance();
};
