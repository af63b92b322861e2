#include "targets/CountedEntryReads.h"

namespace {

class CountedListing final : public EntryAttributeSource::Listing {
public:
    CountedListing(std::unique_ptr<Listing> inner, CountedEntryReads::Counter counter)
        : m_inner(std::move(inner))
        , m_counter(std::move(counter))
    {
    }

    bool next() override
    {
        const bool more = m_inner->next();
        ++*m_counter;
        return more;
    }
    QByteArrayView name() const override { return m_inner->name(); }
    EntryAttributeSource::TypeHint typeHint() const override { return m_inner->typeHint(); }
    std::optional<EntryAttributeSource::Attributes> attributes(EntryAttributeSource::Keys keys) override
    {
        auto read = m_inner->attributes(keys);
        ++*m_counter;
        return read;
    }
    std::optional<EntryAttributeSource::Attributes> attributesOf(
        const QByteArray &name, EntryAttributeSource::Keys keys) override
    {
        auto read = m_inner->attributesOf(name, keys);
        ++*m_counter;
        return read;
    }
    bool failed() const override { return m_inner->failed(); }

private:
    const std::unique_ptr<Listing> m_inner;
    const CountedEntryReads::Counter m_counter;
};

} // namespace

CountedEntryReads::CountedEntryReads(const EntryAttributeSource &inner, Counter counter)
    : m_inner(inner)
    , m_counter(std::move(counter))
{
}

std::unique_ptr<EntryAttributeSource::Listing> CountedEntryReads::list(const QByteArray &directory) const
{
    std::unique_ptr<Listing> listing = m_inner.list(directory);
    ++*m_counter;
    if (!listing)
        return nullptr;
    return std::make_unique<CountedListing>(std::move(listing), m_counter);
}

EntryAttributeSource::Resolution CountedEntryReads::resolve(const QByteArray &path) const
{
    Resolution resolution = m_inner.resolve(path);
    ++*m_counter;
    return resolution;
}

bool CountedEntryReads::isDirectory(const QByteArray &path) const
{
    const bool directory = m_inner.isDirectory(path);
    ++*m_counter;
    return directory;
}
