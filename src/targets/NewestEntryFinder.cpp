#include "targets/NewestEntryFinder.h"

#include "support/LocalizedCompare.h"
#include "support/Logger.h"
#include "targets/CardPaths.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <vector>

namespace {

using Source = EntryAttributeSource;

struct Candidate {
    QString name;
    std::optional<Source::Clock::time_point> created;
};

// What the listing alone says, in the shape of attributes, so obvious non-candidates are
// dropped without reading anything.
Source::Attributes fromHint(Source::TypeHint hint, Source::Keys keys)
{
    Source::Attributes a;
    a.isDirectory = (keys & Source::IsDirectory) && hint == Source::TypeHint::Directory;
    a.isRegularFile = (keys & Source::IsRegularFile) && hint == Source::TypeHint::RegularFile;
    a.isSymbolicLink = hint == Source::TypeHint::SymbolicLink;
    return a;
}

// The name as text, or none when the text would not encode back to the same bytes.
std::optional<QString> decodedExactly(QByteArrayView name)
{
    const auto isAscii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    if (std::all_of(name.begin(), name.end(), isAscii))
        return QString::fromLatin1(name);
    QString decoded = QFile::decodeName(name.toByteArray());
    if (QFile::encodeName(decoded) != name)
        return std::nullopt;
    return decoded;
}

bool datesAreUsable(const std::vector<Candidate> &candidates)
{
    Source::Clock::time_point oldest = Source::Clock::time_point::max();
    Source::Clock::time_point newest = Source::Clock::time_point::min();
    for (const Candidate &c : candidates) {
        if (!c.created || *c.created < NewestEntryFinder::bogusDateCutoff)
            return false;
        oldest = std::min(oldest, *c.created);
        newest = std::max(newest, *c.created);
    }
    return newest - oldest > NewestEntryFinder::sameBatchSpan;
}

// A single linear pass; equal keys keep the earlier candidate.
const Candidate &pickNewest(const std::vector<Candidate> &candidates)
{
    const bool byDate = datesAreUsable(candidates);
    const Candidate *best = &candidates.front();
    for (auto it = candidates.begin() + 1; it != candidates.end(); ++it) {
        bool better;
        if (byDate && *best->created != *it->created)
            better = *best->created < *it->created;
        else
            better = LocalizedCompare::compare(best->name, it->name) < 0;
        if (better)
            best = &*it;
    }
    return *best;
}

// The newest by name of the candidates and of the entries of unknown type, reading the type
// of an entry only when it would win. Equal names keep the earlier candidate, then the
// earlier entry, as one pass over the listing would.
std::optional<QString> newestByName(const std::vector<Candidate> &candidates,
    const std::vector<QByteArray> &untyped, Source::Keys keys, const NewestEntryFinder::MatchTest &isMatch,
    Source::Listing &listing, int &unreachable)
{
    const Source::Keys typeKeys = keys & ~Source::Keys(Source::CreationDate);
    struct Pending {
        QString name;
        const QByteArray *raw; // null for a candidate, whose type is known
    };
    std::vector<Pending> pool;
    pool.reserve(candidates.size() + untyped.size());
    for (const Candidate &candidate : candidates)
        pool.push_back({ candidate.name, nullptr });
    for (const QByteArray &raw : untyped) {
        if (std::optional<QString> decoded = decodedExactly(raw)) {
            pool.push_back({ std::move(*decoded), &raw });
            continue;
        }
        // Counted as skipped only when it would have been a candidate.
        const std::optional<Source::Attributes> a = listing.attributesOf(raw, typeKeys);
        if (a && !a->isHidden && !a->isSymbolicLink && isMatch(*a))
            ++unreachable;
    }
    while (!pool.empty()) {
        auto best = pool.begin();
        for (auto it = pool.begin() + 1; it != pool.end(); ++it) {
            if (LocalizedCompare::compare(best->name, it->name) < 0)
                best = it;
        }
        if (!best->raw)
            return best->name;
        const std::optional<Source::Attributes> a = listing.attributesOf(*best->raw, typeKeys);
        if (a && !a->isHidden && !a->isSymbolicLink && isMatch(*a))
            return best->name;
        pool.erase(best);
    }
    return std::nullopt;
}

} // namespace

std::optional<QUrl> NewestEntryFinder::find(const QUrl &directory, Source::Keys keys,
    const MatchTest &isMatch, const QString &logLabel, Logger &log, const Source &source)
{
    const QString local = directory.toLocalFile();
    const QString dirPath = local.isEmpty() ? local : QDir::cleanPath(local);
    const std::optional<QByteArray> nativeDir = CardPaths::native(dirPath);
    std::unique_ptr<Source::Listing> listing = nativeDir ? source.list(*nativeDir) : nullptr;
    const auto couldNotList = [&] {
        log.warn(logLabel + QStringLiteral(": could not list ") + CardPaths::forLog(dirPath));
        return std::nullopt;
    };
    if (!listing)
        return couldNotList();

    std::vector<Candidate> candidates;
    // Once one candidate has no usable creation date the choice is by name, so no later entry
    // needs its date; entries whose type the listing did not tell wait here, and only those
    // that could win are read at all (a FUSE card answers every read slowly).
    bool byName = false;
    std::vector<QByteArray> untyped;
    int unreachable = 0;
    while (listing->next()) {
        const QByteArrayView name = listing->name();
        if (name.isEmpty() || name.front() == '.')
            continue;
        const Source::TypeHint hint = listing->typeHint();
        std::optional<Source::Attributes> attributes;
        if (hint != Source::TypeHint::Unknown) {
            const Source::Attributes typed = fromHint(hint, keys);
            if (typed.isSymbolicLink || !isMatch(typed))
                continue;
            if (byName)
                attributes = typed; // the listing said all that is needed
        } else if (byName) {
            untyped.push_back(name.toByteArray());
            continue;
        }
        if (!attributes)
            attributes = listing->attributes(keys);
        if (!attributes || attributes->isHidden || attributes->isSymbolicLink || !isMatch(*attributes))
            continue;
        // A name that is not valid UTF-8 cannot be carried in a QString/QUrl and come back
        // as the same bytes; handing it out would point at another entry or at none.
        std::optional<QString> decoded = decodedExactly(name);
        if (!decoded) {
            ++unreachable;
            continue;
        }
        if (byName)
            attributes->creationDate.reset();
        else if (!attributes->creationDate || *attributes->creationDate < bogusDateCutoff)
            byName = true;
        candidates.push_back({ std::move(*decoded), attributes->creationDate });
    }
    if (listing->failed())
        return couldNotList();

    std::optional<QString> newest;
    if (!untyped.empty())
        newest = newestByName(candidates, untyped, keys, isMatch, *listing, unreachable);
    else if (!candidates.empty())
        newest = pickNewest(candidates).name;

    if (unreachable > 0) {
        log.warn(logLabel + QStringLiteral(": skipped ") + QString::number(unreachable)
            + QStringLiteral(" entries with names that are not valid UTF-8 in ")
            + CardPaths::forLog(dirPath));
    }
    if (!newest)
        return std::nullopt;
    return QUrl::fromLocalFile(CardPaths::join(dirPath, *newest));
}
