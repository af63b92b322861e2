#include "targets/TargetResolver.h"

#include "support/LogCategories.h"
#include "support/Logger.h"
#include "support/ShownText.h"
#include "support/UserText.h"
#include "targets/CardPaths.h"
#include "targets/NewestFile.h"
#include "targets/NewestFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

class SilentLogger final : public Logger {
public:
    void write(Level, const QString &) override { }
};

QString localPath(const QUrl &url)
{
    const QString local = url.toLocalFile();
    return local.isEmpty() ? local : QDir::cleanPath(local);
}

// The card root as an absolute local path; empty when the card has no usable mount point,
// so that nothing is ever looked up relative to the file system root by accident.
QString cardRoot(const MountedCard &card)
{
    const QString root = card.path();
    return QDir::isAbsolutePath(root) ? root : QString();
}

/// What became of a path that is not inside the card, for a log line: " escapes CARD via a
/// symlink", " is gone from CARD" or " on CARD cannot be read".
QString notInside(TargetResolver::Containment containment, const QString &cardName)
{
    switch (containment) {
    case TargetResolver::Containment::Missing:
        return QStringLiteral(" is gone from ") + cardName;
    case TargetResolver::Containment::Unreadable:
        return QStringLiteral(" on ") + cardName + QStringLiteral(" cannot be read");
    case TargetResolver::Containment::Inside:
    case TargetResolver::Containment::Escapes:
        break;
    }
    return QStringLiteral(" escapes ") + cardName + QStringLiteral(" via a symlink");
}

struct Lookup {
    const MountedCard &card;
    const EntryAttributeSource &files;
    Logger &log;
};

std::optional<QString> containedDirectory(const QString &path, const Lookup &lookup)
{
    const std::optional<QByteArray> native = CardPaths::native(path);
    if (!native || !lookup.files.isDirectory(*native))
        return std::nullopt;
    const TargetResolver::Containment where = TargetResolver::containment(
        QUrl::fromLocalFile(path), QUrl::fromLocalFile(cardRoot(lookup.card)), lookup.files);
    if (where == TargetResolver::Containment::Inside)
        return path;
    lookup.log.warn(QStringLiteral("TargetResolver: ") + CardPaths::forLog(path)
        + notInside(where, CardPaths::forLog(lookup.card.name)) + QStringLiteral("; treating it as missing"));
    return std::nullopt;
}

std::optional<QString> containedBelowRoot(const QString &relative, const Lookup &lookup)
{
    const QString root = cardRoot(lookup.card);
    if (root.isEmpty() || relative.isEmpty())
        return std::nullopt;
    return containedDirectory(QDir::cleanPath(CardPaths::join(root, relative)), lookup);
}

std::optional<QString> existingBase(const Subfolder &subfolder, const Lookup &lookup)
{
    switch (subfolder.kind()) {
    case Subfolder::Kind::Preset:
        return containedBelowRoot(Presets::relativePath(subfolder.presetValue()), lookup);
    case Subfolder::Kind::Custom: {
        const std::optional<QStringList> pieces = TargetResolver::sanitizedComponents(subfolder.customPath());
        if (!pieces)
            return std::nullopt;
        return containedBelowRoot(pieces->join(QLatin1Char('/')), lookup);
    }
    case Subfolder::Kind::Smart:
        for (Preset preset : Presets::allCases) {
            if (std::optional<QString> found = containedBelowRoot(Presets::relativePath(preset), lookup))
                return found;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

std::optional<Rule> TargetResolver::firstMatch(
    const RuleList &rules, const MountedCard &card, const EntryAttributeSource &files, Logger *log)
{
    SilentLogger silent;
    const Lookup lookup { card, files, log ? *log : silent };
    const QString cardName = card.name.trimmed();
    for (const Rule &rule : rules) {
        if (rule.enabled && !rule.match.isAnyCard()
            && cardName.compare(rule.match.name().trimmed(), Qt::CaseInsensitive) == 0)
            return rule;
    }
    for (const Rule &rule : rules) {
        if (rule.enabled && rule.match.isAnyCard() && existingBase(rule.subfolder, lookup))
            return rule;
    }
    return std::nullopt;
}

ResolvedTarget TargetResolver::resolve(
    const Rule &rule, const MountedCard &card, Logger &log, const EntryAttributeSource &files)
{
    ResolvedTarget target;
    target.card = card;
    target.rule = rule;
    qCDebug(lcTargets) << "resolving" << rule.name << "on" << card.name;

    const QString root = cardRoot(card);
    const QUrl rootUrl = QUrl::fromLocalFile(root);
    const QString cardName = CardPaths::forLog(card.name);
    QString folder;

    if (const std::optional<QString> base = existingBase(rule.subfolder, Lookup { card, files, log })) {
        folder = *base;
        if (rule.openNewestFolder) {
            const std::optional<QUrl> newest = NewestFolder::find(QUrl::fromLocalFile(folder), log, files);
            const Containment where = newest ? containment(*newest, rootUrl, files) : Containment::Missing;
            if (newest && where == Containment::Inside) {
                folder = localPath(*newest);
                target.newestFolderName = QFileInfo(folder).fileName();
            } else if (newest) {
                log.warn(QStringLiteral("TargetResolver: newest folder ")
                    + CardPaths::forLog(localPath(*newest)) + notInside(where, cardName)
                    + QStringLiteral("; staying on ") + CardPaths::forLog(folder));
            }
        }
    } else {
        folder = root;
        target.usedFallbackToRoot = true;
        const QString description = expectedFolderDescription(rule.subfolder);
        //: %1 is the folder the rule expects, such as "DCIM" or "DCIM, AVCHD, or XAVC".
        const UserText note
            = UserText::translate("TargetResolver", "%1 not found on this card, opened the card instead")
                  .arg(UserText::verbatim(ShownText::isolated(description)));
        target.note = note.shown();
        target.englishNote = note.english();
        log.warn(QStringLiteral("TargetResolver: ") + CardPaths::forLog(description)
            + QStringLiteral(" not found on ") + cardName + QStringLiteral(", opened the card root instead"));
    }

    if (rule.selectNewestFile && !folder.isEmpty()) {
        const std::optional<QUrl> newest = NewestFile::find(QUrl::fromLocalFile(folder), log, files);
        const Containment where = newest ? containment(*newest, rootUrl, files) : Containment::Missing;
        if (newest && where == Containment::Inside) {
            target.newestFile = newest;
        } else if (newest) {
            log.warn(QStringLiteral("TargetResolver: newest file ") + CardPaths::forLog(localPath(*newest))
                + notInside(where, cardName) + QStringLiteral("; ignoring it"));
        }
    }

    // A card without a usable mount point keeps the URL it came with.
    target.folder = folder.isEmpty() ? card.url : QUrl::fromLocalFile(folder);
    target.relativePath = relativePath(target.folder, rootUrl);
    return target;
}

QString TargetResolver::describe(const ResolvedTarget &target)
{
    return target.relativePath.isEmpty() ? target.card.name : target.relativePath;
}

std::optional<QStringList> TargetResolver::sanitizedComponents(const QString &customPath)
{
    QString path = customPath.trimmed();
    qsizetype start = 0;
    while (start < path.size() && path.at(start) == QLatin1Char('/'))
        ++start;
    qsizetype end = path.size();
    while (end > start && path.at(end - 1) == QLatin1Char('/'))
        --end;
    path = path.mid(start, end - start);
    if (path.isEmpty())
        return QStringList();
    const QStringList pieces = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &piece : pieces) {
        if (piece == QStringLiteral("..") || piece.contains(QChar(u'\0')))
            return std::nullopt;
    }
    return pieces;
}

TargetResolver::Containment TargetResolver::containment(
    const QUrl &url, const QUrl &root, const EntryAttributeSource &files)
{
    using Status = EntryAttributeSource::Resolution::Status;
    const auto resolve = [&files](const QUrl &of) {
        const std::optional<QByteArray> native = CardPaths::native(localPath(of));
        return native ? files.resolve(*native) : EntryAttributeSource::Resolution {};
    };
    // The card root first: a card pulled meanwhile makes everything on it gone.
    const EntryAttributeSource::Resolution rootPath = resolve(root);
    const EntryAttributeSource::Resolution tested
        = rootPath.status == Status::Found ? resolve(url) : rootPath;
    if (tested.status != Status::Found)
        return tested.status == Status::Missing ? Containment::Missing : Containment::Unreadable;
    if (rootPath.path == tested.path)
        return Containment::Inside;
    const QByteArray prefix = rootPath.path.endsWith('/') ? rootPath.path : rootPath.path + '/';
    return tested.path.startsWith(prefix) ? Containment::Inside : Containment::Escapes;
}

bool TargetResolver::isContained(const QUrl &url, const QUrl &root, const EntryAttributeSource &files)
{
    return containment(url, root, files) == Containment::Inside;
}

QString TargetResolver::relativePath(const QUrl &folder, const QUrl &cardRoot)
{
    const QString folderPath = localPath(folder);
    const QString rootPath = localPath(cardRoot);
    if (folderPath == rootPath)
        return QString();
    QString rest = folderPath.startsWith(rootPath) ? folderPath.mid(rootPath.size()) : folderPath;
    qsizetype slashes = 0;
    while (slashes < rest.size() && rest.at(slashes) == QLatin1Char('/'))
        ++slashes;
    return rest.mid(slashes);
}

QString TargetResolver::expectedFolderDescription(const Subfolder &subfolder)
{
    switch (subfolder.kind()) {
    case Subfolder::Kind::Preset:
        return Presets::relativePath(subfolder.presetValue());
    case Subfolder::Kind::Smart:
        return QStringLiteral("DCIM, AVCHD, or XAVC");
    case Subfolder::Kind::Custom:
        if (const std::optional<QStringList> pieces = sanitizedComponents(subfolder.customPath()))
            return pieces->join(QLatin1Char('/'));
        return subfolder.customPath().trimmed();
    }
    return QString();
}
