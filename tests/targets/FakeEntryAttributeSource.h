#pragma once

#include "platform/EntryAttributeSource.h"

#include <QByteArray>

#include <map>
#include <memory>
#include <vector>

/// Directories held in memory, with attributes the test chooses (birth times cannot be set
/// on real files). Counts attribute reads per entry name. Paths are resolved and tested on
/// the real file system unless the test chose an answer for a path.
class FakeEntryAttributeSource final : public EntryAttributeSource {
public:
    struct Entry {
        QByteArray name;
        std::optional<Attributes> attributes; ///< none: reading them fails
        TypeHint hint = TypeHint::Unknown;
    };

    static Entry folder(const QByteArray &name, std::optional<std::chrono::seconds> created);
    static Entry file(const QByteArray &name, std::optional<std::chrono::seconds> created);
    static Entry symlink(const QByteArray &name);

    void setDirectory(const QByteArray &path, std::vector<Entry> entries);
    /// The listing of `path` stops with a read error after `count` entries.
    void failAfter(const QByteArray &path, int count);

    int attributeReads(const QByteArray &name) const;
    /// Entry attributes read so far, over all entries.
    int totalAttributeReads() const;
    /// resolve(path) answers `resolution` from now on.
    void setResolution(const QByteArray &path, Resolution resolution);

    std::unique_ptr<Listing> list(const QByteArray &directory) const override;
    Resolution resolve(const QByteArray &path) const override;
    bool isDirectory(const QByteArray &path) const override;

private:
    struct Directory {
        std::vector<Entry> entries;
        int failAfter = -1;
    };
    std::map<QByteArray, Directory> m_directories;
    std::map<QByteArray, Resolution> m_resolutions;
    std::shared_ptr<std::map<QByteArray, int>> m_reads = std::make_shared<std::map<QByteArray, int>>();
};
