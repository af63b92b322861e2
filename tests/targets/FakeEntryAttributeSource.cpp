#include "FakeEntryAttributeSource.h"

#include "platform/linux/StatxEntryAttributeSource.h"

namespace {

using Source = EntryAttributeSource;

Source::Clock::time_point at(std::chrono::seconds sinceEpoch)
{
    return Source::Clock::time_point(sinceEpoch);
}

class FakeListing final : public Source::Listing {
public:
    FakeListing(std::vector<FakeEntryAttributeSource::Entry> entries, int failAfter,
        std::shared_ptr<std::map<QByteArray, int>> reads)
        : m_entries(std::move(entries))
        , m_failAfter(failAfter)
        , m_reads(std::move(reads))
    {
    }

    bool next() override
    {
        ++m_index;
        if (m_failAfter >= 0 && m_index >= m_failAfter) {
            m_failed = true;
            return false;
        }
        return m_index < int(m_entries.size());
    }
    QByteArrayView name() const override { return m_entries[size_t(m_index)].name; }
    Source::TypeHint typeHint() const override { return m_entries[size_t(m_index)].hint; }
    std::optional<Source::Attributes> attributes(Source::Keys keys) override
    {
        return read(m_entries[size_t(m_index)], keys);
    }
    std::optional<Source::Attributes> attributesOf(const QByteArray &name, Source::Keys keys) override
    {
        for (const auto &entry : m_entries) {
            if (entry.name == name)
                return read(entry, keys);
        }
        return std::nullopt;
    }
    bool failed() const override { return m_failed; }

private:
    std::optional<Source::Attributes> read(const FakeEntryAttributeSource::Entry &entry, Source::Keys keys)
    {
        ++(*m_reads)[entry.name];
        if (!entry.attributes)
            return std::nullopt;
        Source::Attributes a = *entry.attributes;
        a.isDirectory = a.isDirectory && (keys & Source::IsDirectory);
        a.isRegularFile = a.isRegularFile && (keys & Source::IsRegularFile);
        a.isSymbolicLink = a.isSymbolicLink && (keys & Source::IsSymbolicLink);
        a.isHidden = a.isHidden && (keys & Source::IsHidden);
        if (!(keys & Source::CreationDate))
            a.creationDate.reset();
        return a;
    }

    std::vector<FakeEntryAttributeSource::Entry> m_entries;
    int m_failAfter;
    std::shared_ptr<std::map<QByteArray, int>> m_reads;
    int m_index = -1;
    bool m_failed = false;
};

} // namespace

FakeEntryAttributeSource::Entry FakeEntryAttributeSource::folder(
    const QByteArray &name, std::optional<std::chrono::seconds> created)
{
    Attributes a;
    a.isDirectory = true;
    if (created)
        a.creationDate = at(*created);
    return { name, a, TypeHint::Unknown };
}

FakeEntryAttributeSource::Entry FakeEntryAttributeSource::file(
    const QByteArray &name, std::optional<std::chrono::seconds> created)
{
    Attributes a;
    a.isRegularFile = true;
    if (created)
        a.creationDate = at(*created);
    return { name, a, TypeHint::Unknown };
}

FakeEntryAttributeSource::Entry FakeEntryAttributeSource::symlink(const QByteArray &name)
{
    Attributes a;
    a.isSymbolicLink = true;
    a.creationDate = at(std::chrono::seconds(2'000'000'000));
    return { name, a, TypeHint::Unknown };
}

void FakeEntryAttributeSource::setDirectory(const QByteArray &path, std::vector<Entry> entries)
{
    m_directories[path].entries = std::move(entries);
}

void FakeEntryAttributeSource::failAfter(const QByteArray &path, int count)
{
    m_directories[path].failAfter = count;
}

int FakeEntryAttributeSource::attributeReads(const QByteArray &name) const
{
    const auto it = m_reads->find(name);
    return it == m_reads->end() ? 0 : it->second;
}

std::unique_ptr<EntryAttributeSource::Listing> FakeEntryAttributeSource::list(
    const QByteArray &directory) const
{
    const auto it = m_directories.find(directory);
    if (it == m_directories.end())
        return nullptr;
    return std::make_unique<FakeListing>(it->second.entries, it->second.failAfter, m_reads);
}

int FakeEntryAttributeSource::totalAttributeReads() const
{
    int total = 0;
    for (const auto &[name, reads] : *m_reads)
        total += reads;
    return total;
}

void FakeEntryAttributeSource::setResolution(const QByteArray &path, Resolution resolution)
{
    m_resolutions[path] = std::move(resolution);
}

EntryAttributeSource::Resolution FakeEntryAttributeSource::resolve(const QByteArray &path) const
{
    const auto chosen = m_resolutions.find(path);
    if (chosen != m_resolutions.end())
        return chosen->second;
    return StatxEntryAttributeSource::instance().resolve(path);
}

bool FakeEntryAttributeSource::isDirectory(const QByteArray &path) const
{
    return StatxEntryAttributeSource::instance().isDirectory(path);
}
