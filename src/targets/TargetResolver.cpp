#include "targets/TargetResolver.h"

#include "support/Logger.h"
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

std::optional<QString> containedDirectory(const QString &path, const MountedCard &card, Logger &log)
{
    if (!CardPaths::isDirectory(path))
        return std::nullopt;
    if (TargetResolver::isContained(QUrl::fromLocalFile(path), QUrl::fromLocalFile(cardRoot(card))))
        return path;
    log.warn(QStringLiteral("TargetResolver: ") + CardPaths::forLog(path) + QStringLiteral(" escapes ")
        + CardPaths::forLog(card.name) + QStringLiteral(" via a symlink; treating it as missing"));
    return std::nullopt;
}

std::optional<QString> containedBelowRoot(const QString &relative, const MountedCard &card, Logger &log)
{
    const QString root = cardRoot(card);
    if (root.isEmpty() || relative.isEmpty())
        return std::nullopt;
    return containedDirectory(QDir::cleanPath(CardPaths::join(root, relative)), card, log);
}

std::optional<QString> existingBase(const Subfolder &subfolder, const MountedCard &card, Logger &log)
{
    switch (subfolder.kind()) {
    case Subfolder::Kind::Preset:
        return containedBelowRoot(Presets::relativePath(subfolder.presetValue()), card, log);
    case Subfolder::Kind::Custom: {
        const std::optional<QStringList> pieces = TargetResolver::sanitizedComponents(subfolder.customPath());
        if (!pieces)
            return std::nullopt;
        return containedBelowRoot(pieces->join(QLatin1Char('/')), card, log);
    }
    case Subfolder::Kind::Smart:
        for (Preset preset : Presets::allCases) {
            if (std::optional<QString> found = containedBelowRoot(Presets::relativePath(preset), card, log))
                return found;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

std::optional<Rule> TargetResolver::firstMatch(const RuleList &rules, const MountedCard &card, Logger *log)
{
    SilentLogger silent;
    Logger &sink = log ? *log : silent;
    const QString cardName = card.name.trimmed();
    for (const Rule &rule : rules) {
        if (rule.enabled && !rule.match.isAnyCard()
            && cardName.compare(rule.match.name().trimmed(), Qt::CaseInsensitive) == 0)
            return rule;
    }
    for (const Rule &rule : rules) {
        if (rule.enabled && rule.match.isAnyCard() && existingBase(rule.subfolder, card, sink))
            return rule;
    }
    return std::nullopt;
}

ResolvedTarget TargetResolver::resolve(
    const Rule &rule, const MountedCard &card, Logger &log, const EntryAttributeSource &entries)
{
    ResolvedTarget target;
    target.card = card;
    target.rule = rule;

    const QString root = cardRoot(card);
    const QUrl rootUrl = QUrl::fromLocalFile(root);
    const QString cardName = CardPaths::forLog(card.name);
    QString folder;

    if (const std::optional<QString> base = existingBase(rule.subfolder, card, log)) {
        folder = *base;
        if (rule.openNewestFolder) {
            const std::optional<QUrl> newest = NewestFolder::find(QUrl::fromLocalFile(folder), log, entries);
            if (newest && isContained(*newest, rootUrl)) {
                folder = localPath(*newest);
                target.newestFolderName = QFileInfo(folder).fileName();
            } else if (newest) {
                log.warn(QStringLiteral("TargetResolver: newest folder ")
                    + CardPaths::forLog(localPath(*newest)) + QStringLiteral(" escapes ") + cardName
                    + QStringLiteral(" via a symlink; staying on ") + CardPaths::forLog(folder));
            }
        }
    } else {
        folder = root;
        target.usedFallbackToRoot = true;
        const QString description = expectedFolderDescription(rule.subfolder);
        target.note = description + QStringLiteral(" not found on this card, opened the card instead");
        log.warn(QStringLiteral("TargetResolver: ") + CardPaths::forLog(description)
            + QStringLiteral(" not found on ") + cardName + QStringLiteral(", opened the card root instead"));
    }

    if (rule.selectNewestFile && !folder.isEmpty()) {
        const std::optional<QUrl> newest = NewestFile::find(QUrl::fromLocalFile(folder), log, entries);
        if (newest && isContained(*newest, rootUrl)) {
            target.newestFile = newest;
        } else if (newest) {
            log.warn(QStringLiteral("TargetResolver: newest file ") + CardPaths::forLog(localPath(*newest))
                + QStringLiteral(" escapes ") + cardName + QStringLiteral(" via a symlink; ignoring it"));
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

bool TargetResolver::isContained(const QUrl &url, const QUrl &root)
{
    const std::optional<QByteArray> rootPath = CardPaths::resolved(localPath(root));
    const std::optional<QByteArray> testedPath = CardPaths::resolved(localPath(url));
    if (!rootPath || !testedPath)
        return false;
    if (*rootPath == *testedPath)
        return true;
    const QByteArray prefix = rootPath->endsWith('/') ? *rootPath : *rootPath + '/';
    return testedPath->startsWith(prefix);
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
