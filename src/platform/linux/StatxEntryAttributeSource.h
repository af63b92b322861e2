#pragma once

#include "platform/EntryAttributeSource.h"

/// Reads directories with getdents and entry attributes with one statx call each; the
/// creation date is the birth time when the file system reports one.
class StatxEntryAttributeSource final : public EntryAttributeSource {
public:
    std::unique_ptr<Listing> list(const QByteArray &directory) const override;

    /// A process-wide instance; the source keeps no state.
    static const StatxEntryAttributeSource &instance();
};
