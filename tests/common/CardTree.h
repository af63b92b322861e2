#pragma once

#include "detection/MountedCard.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <ostream>

// Readable failure messages for QString comparisons.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

/// A throw-away card on disk: a "card" folder (the mount point) beside an "outside" folder
/// that links can point at.
class CardTree {
public:
    CardTree();
    ~CardTree();

    QString root() const { return m_root; }
    QString outside() const { return m_outside; }
    QString path(const QString &relative) const { return m_root + QLatin1Char('/') + relative; }
    MountedCard card(const QString &name = QStringLiteral("EOS_DIGITAL")) const;

    void mkdir(const QString &relative) const;
    void touch(const QString &relative) const;
    /// Creates the link `relative` (below the card) pointing at `target` as given.
    void symlink(const QString &target, const QString &relative) const;

private:
    QTemporaryDir m_dir;
    QString m_root;
    QString m_outside;
};
