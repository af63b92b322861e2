#include "platform/linux/AutostartEntry.h"

#include "platform/linux/XdgStandardFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

UserText sentence(const char *source, const QStringList &arguments)
{
    return UserText::translate("AutostartEntry", source).args(arguments);
}

// Characters that never need quoting in an Exec word.
bool isPlain(QChar c)
{
    return c.isLetterOrNumber() || QStringLiteral("/_.+-,:@=").contains(c);
}

/// Undoes the escapes of a desktop-entry string value ("\\s", "\\n", "\\t", "\\r", "\\\\").
QString unescapeValue(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != u'\\' || i + 1 == value.size()) {
            out.append(c);
            continue;
        }
        const QChar next = value[++i];
        switch (next.unicode()) {
        case 's':
            out.append(u' ');
            break;
        case 'n':
            out.append(u'\n');
            break;
        case 't':
            out.append(u'\t');
            break;
        case 'r':
            out.append(u'\r');
            break;
        default:
            out.append(next);
            break;
        }
    }
    return out;
}

struct Entry {
    bool hasGroup = false;
    QString exec;
    bool hidden = false;
    bool gnomeDisabled = false;
};

Entry parse(const QString &text)
{
    Entry entry;
    bool inMainGroup = false;
    for (const QString &raw : text.split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            entry.hasGroup = entry.hasGroup || inMainGroup;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inMainGroup || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("Exec"))
            entry.exec = value;
        else if (key == QLatin1String("Hidden"))
            entry.hidden = value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
        else if (key == QLatin1String("X-GNOME-Autostart-enabled"))
            entry.gnomeDisabled = value.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0;
    }
    return entry;
}

bool isRunnable(const QString &program)
{
    const QString path = QFileInfo(program).isAbsolute() ? program : QStandardPaths::findExecutable(program);
    const QFileInfo info(path);
    return !path.isEmpty() && info.isFile() && info.isExecutable();
}

} // namespace

AutostartEntry::AutostartEntry(QString autostartFolder, QString executable)
    : m_folder(std::move(autostartFolder))
    , m_filePath(m_folder + u'/' + QLatin1String(kFileName))
    , m_executable(std::move(executable))
{
}

QString AutostartEntry::defaultAutostartFolder()
{
    return XdgStandardFolders().configHome() + QStringLiteral("/autostart");
}

QString AutostartEntry::execWord(const QString &path)
{
    QString word = path;
    word.replace(u'%', QStringLiteral("%%"));
    if (std::all_of(path.begin(), path.end(), isPlain))
        return word;
    // Quoted per the desktop entry rules, then escaped once more as a string value.
    QString quoted;
    for (const QChar c : word) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted.append(u'\\');
        quoted.append(c);
    }
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    return u'"' + quoted + u'"';
}

QString AutostartEntry::execProgram(const QString &execValue)
{
    const QString value = unescapeValue(execValue);
    QString program;
    qsizetype i = 0;
    while (i < value.size() && value[i].isSpace())
        ++i;
    if (i < value.size() && value[i] == u'"') {
        for (++i; i < value.size() && value[i] != u'"'; ++i) {
            if (value[i] == u'\\' && i + 1 < value.size())
                ++i;
            program.append(value[i]);
        }
        if (i >= value.size())
            return {}; // no closing quote
    } else {
        for (; i < value.size() && !value[i].isSpace(); ++i)
            program.append(value[i]);
    }
    return program.replace(QStringLiteral("%%"), QStringLiteral("%"));
}

QString AutostartEntry::entryText(const QString &executable)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Mirvale\n"
                          "Comment=Shows camera cards in the file manager when they are inserted\n"
                          "Exec=")
        + execWord(executable)
        + QStringLiteral("\n"
                         "Icon=mirvale\n"
                         "Terminal=false\n"
                         "X-GNOME-Autostart-enabled=true\n");
}

AutostartService::Status AutostartEntry::status() const
{
    std::lock_guard lock(m_mutex);
    // Where the old entry cannot be moved it still starts Mirvale, and the menu says so.
    if (adoptLegacyEntry())
        return readStatus(m_folder + u'/' + QLatin1String(kLegacyFileName));
    return readStatus(m_filePath);
}

std::optional<UserText> AutostartEntry::adoptLegacyEntry() const
{
    const QString legacy = m_folder + u'/' + QLatin1String(kLegacyFileName);
    if (!QFile::exists(legacy) || readStatus(legacy) == Status::NotOurs)
        return std::nullopt;
    // With both present (an older Mirvale ran in between), Mirvale would start twice at login
    // and unticking would leave one behind: the entry under the new name is the one kept.
    QFile file(legacy);
    if (QFile::exists(m_filePath) ? file.remove() : file.rename(m_filePath))
        return std::nullopt;
    return sentence(QT_TRANSLATE_NOOP("AutostartEntry", "Could not move %1 to %2: %3"),
        { legacy, m_filePath, file.errorString() });
}

AutostartService::Status AutostartEntry::readStatus(const QString &path) const
{
    QFile file(path);
    if (!file.exists())
        return Status::NotRegistered;
    if (!file.open(QIODevice::ReadOnly))
        return Status::NotOurs;
    const Entry entry = parse(QString::fromUtf8(file.readAll()));
    const QString program = execProgram(entry.exec);
    if (!entry.hasGroup || program.isEmpty()
        || QFileInfo(program).fileName() != QFileInfo(m_executable).fileName())
        return Status::NotOurs;
    if (entry.hidden || entry.gnomeDisabled)
        return Status::Disabled;
    return isRunnable(program) ? Status::Enabled : Status::Stale;
}

std::optional<UserText> AutostartEntry::setRegistered(bool on)
{
    std::lock_guard lock(m_mutex);
    if (const std::optional<UserText> problem = adoptLegacyEntry())
        return problem;
    const Status current = readStatus(m_filePath);
    if (!on) {
        // Someone else's file does not start Mirvale, so there is nothing to undo.
        if (current == Status::NotRegistered || current == Status::NotOurs)
            return std::nullopt;
        QFile file(m_filePath);
        if (!file.remove())
            return sentence(QT_TRANSLATE_NOOP("AutostartEntry", "Could not remove %1: %2"),
                { m_filePath, file.errorString() });
        return std::nullopt;
    }

    if (current == Status::NotOurs)
        return sentence(QT_TRANSLATE_NOOP("AutostartEntry",
                            "%1 belongs to another program, so Mirvale leaves it as it is. Rename or "
                            "remove it to let Mirvale start at login."),
            { m_filePath });
    if (!QDir().mkpath(m_folder))
        return sentence(QT_TRANSLATE_NOOP("AutostartEntry", "Could not create the folder %1."), { m_folder });
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly))
        return sentence(QT_TRANSLATE_NOOP("AutostartEntry", "Could not write %1: %2"),
            { m_filePath, file.errorString() });
    file.write(entryText(m_executable).toUtf8());
    if (!file.commit())
        return sentence(QT_TRANSLATE_NOOP("AutostartEntry", "Could not write %1: %2"),
            { m_filePath, file.errorString() });
    return std::nullopt;
}
