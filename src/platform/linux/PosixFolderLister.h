#pragma once

#include "platform/FolderLister.h"

/// Lists directories with readdir and resolves links with realpath. Names that do not survive
/// the trip through the file-name encoding are left out: a rule could not store them.
class PosixFolderLister final : public FolderLister {
public:
    std::optional<QList<Entry>> entries(const QString &directory) const override;
    std::optional<QString> resolvedDirectory(const QString &path) const override;

    /// A process-wide instance; the lister keeps no state.
    static const PosixFolderLister &instance();
};
