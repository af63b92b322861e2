#include "platform/linux/FileManagerName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace {

// The keys of one group of a desktop entry or D-Bus service file, untranslated.
QHash<QString, QString> readGroup(const QString &path, const QString &group)
{
    QHash<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line == group;
        else if (const qsizetype equals = line.indexOf(QLatin1Char('=')); inGroup && equals > 0)
            keys.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return keys;
}

QString program(const QString &exec)
{
    return exec.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
}

} // namespace

QString FileManagerName::forExecutable(const QString &executable, const QStringList &dataDirs)
{
    const QString base = QFileInfo(executable).fileName();
    if (base.isEmpty())
        return {};
    // "thunar.desktop", "org.gnome.Nautilus.desktop", "org.kde.dolphin.desktop".
    const QString plain = base.toLower() + QStringLiteral(".desktop");
    for (const QString &dir : dataDirs) {
        const QStringList entries = QDir(dir + QStringLiteral("/applications"))
                                        .entryList({ QStringLiteral("*.desktop") }, QDir::Files, QDir::Name);
        for (const QString &entry : entries) {
            const QString lower = entry.toLower();
            if (lower != plain && !lower.endsWith(QLatin1Char('.') + plain))
                continue;
            const QHash<QString, QString> keys = readGroup(
                dir + QStringLiteral("/applications/") + entry, QStringLiteral("[Desktop Entry]"));
            QString name = keys.value(QStringLiteral("Name"));
            const QString generic = QLatin1Char(' ') + keys.value(QStringLiteral("GenericName"));
            if (generic.size() > 1 && name.endsWith(generic) && name.size() > generic.size())
                name.chop(generic.size());
            if (!name.isEmpty())
                return name;
        }
    }
    return base;
}

QString FileManagerName::activationExecutable(const QString &service, const QStringList &dataDirs)
{
    QSet<QString> programs;
    for (const QString &dir : dataDirs) {
        const QString folder = dir + QStringLiteral("/dbus-1/services/");
        for (const QString &entry : QDir(folder).entryList({ QStringLiteral("*.service") }, QDir::Files)) {
            const QHash<QString, QString> keys = readGroup(folder + entry, QStringLiteral("[D-BUS Service]"));
            if (keys.value(QStringLiteral("Name")) == service)
                programs.insert(program(keys.value(QStringLiteral("Exec"))));
        }
    }
    return programs.size() == 1 ? *programs.begin() : QString();
}

QStringList FileManagerName::dataDirs()
{
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (home.isEmpty())
        home = QDir::homePath() + QStringLiteral("/.local/share");
    QString system = qEnvironmentVariable("XDG_DATA_DIRS");
    if (system.isEmpty())
        system = QStringLiteral("/usr/local/share:/usr/share");
    return QStringList { home } + system.split(QLatin1Char(':'), Qt::SkipEmptyParts);
}
