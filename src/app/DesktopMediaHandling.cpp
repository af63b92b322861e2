#include "app/DesktopMediaHandling.h"

#include "platform/CommandRunner.h"
#include "platform/StateStore.h"
#include "support/Logger.h"

#include <QCoreApplication>

namespace {

const QString kCameraCards = QStringLiteral("x-content/image-dcf");
const QString kIgnore = QStringLiteral("autorun-x-content-ignore");
const QStringList kListKeys = { kIgnore, QStringLiteral("autorun-x-content-start-app"),
    QStringLiteral("autorun-x-content-open-folder") };
constexpr std::chrono::milliseconds kTimeLimit { 10'000 };

/// "['a', 'b']" or "@as []" as gsettings prints a string list.
QStringList parseList(QString text)
{
    text = text.trimmed();
    if (text.startsWith(QStringLiteral("@as ")))
        text = text.mid(4).trimmed();
    if (!text.startsWith(QLatin1Char('[')) || !text.endsWith(QLatin1Char(']')))
        return {};
    QStringList items;
    for (QString item : text.mid(1, text.size() - 2).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        item = item.trimmed();
        if (item.size() >= 2)
            items.append(item.mid(1, item.size() - 2));
    }
    return items;
}

QString formatList(const QStringList &items)
{
    if (items.isEmpty())
        return QStringLiteral("@as []");
    QStringList quoted;
    for (const QString &item : items)
        quoted.append(QLatin1Char('\'') + item + QLatin1Char('\''));
    return QLatin1Char('[') + quoted.join(QStringLiteral(", ")) + QLatin1Char(']');
}

QString failure(const CommandRunner::Result &result)
{
    if (!result.started)
        return result.startError;
    if (result.timedOut)
        return QStringLiteral("timed out");
    if (!result.standardError.isEmpty())
        return result.standardError;
    return QStringLiteral("exit status %1").arg(result.exitStatus);
}

bool succeeded(const CommandRunner::Result &result)
{
    return result.started && !result.crashed && !result.timedOut && !result.cutOff && result.exitStatus == 0;
}

} // namespace

const QString DesktopMediaHandling::kThunarVolman = QStringLiteral("thunar-volman");

DesktopMediaHandling::DesktopMediaHandling(Services services, QString schema)
    : m_services(std::move(services))
    , m_schema(std::move(schema))
{
}

QString DesktopMediaHandling::schemaFor(const QString &currentDesktop)
{
    const QStringList names = currentDesktop.toUpper().split(QLatin1Char(':'));
    if (names.contains(QStringLiteral("MATE")))
        return QStringLiteral("org.mate.media-handling");
    if (names.contains(QStringLiteral("X-CINNAMON")) || names.contains(QStringLiteral("CINNAMON")))
        return QStringLiteral("org.cinnamon.desktop.media-handling");
    if (names.contains(QStringLiteral("GNOME")) || names.contains(QStringLiteral("UNITY")))
        return QStringLiteral("org.gnome.desktop.media-handling");
    if (names.contains(QStringLiteral("XFCE")))
        return kThunarVolman;
    return {};
}

DesktopMediaHandling::Values DesktopMediaHandling::readValues(CommandRunner &commands, const QString &schema)
{
    Values values;
    if (schema.isEmpty())
        return values;
    if (schema == kThunarVolman)
        return readThunarVolman(commands);
    CommandRunner::Limits limits;
    limits.timeLimit = kTimeLimit;
    const auto get = [&](const QString &key, QString *text) {
        const CommandRunner::Result result
            = commands.run(QStringLiteral("gsettings"), { QStringLiteral("get"), schema, key }, limits);
        *text = result.standardOutput.trimmed();
        return succeeded(result);
    };
    // The file managers and shells that read these settings act on a camera card unless
    // autorun-never is set or the ignore list holds it: automount-open is for media of no
    // known content, and a camera card's dialog shows with it off.
    QString never;
    if (!get(QStringLiteral("autorun-never"), &never))
        return values;
    values.acts = never != QStringLiteral("true");
    for (const QString &key : kListKeys) {
        QString text;
        if (!get(key, &text))
            return values;
        values.texts.append(text);
    }
    values.readable = true;
    return values;
}

DesktopMediaHandling::Values DesktopMediaHandling::readThunarVolman(CommandRunner &commands)
{
    CommandRunner::Limits limits;
    limits.timeLimit = kTimeLimit;
    bool readable = true;
    // A property nobody set is missing from xfconf, and thunar-volman then uses its built-in
    // default; anything else (no xfconf-query, no xfconfd) leaves the setting unknown.
    const auto get = [&](const QString &channel, const QString &property, const QString &byDefault) {
        const CommandRunner::Result result = commands.run(QStringLiteral("xfconf-query"),
            { QStringLiteral("-c"), channel, QStringLiteral("-p"), property }, limits);
        if (succeeded(result))
            return result.standardOutput.trimmed();
        if (!(result.started && result.exitStatus == 1
                && result.standardError.contains(QStringLiteral("does not exist"))))
            readable = false;
        return byDefault;
    };
    const QString on = QStringLiteral("true");
    // Thunar hands inserted media to thunar-volman only with volume management on; for a card
    // with a DCIM folder thunar-volman then asks to import photos, or else opens a window.
    const bool managed = get(QStringLiteral("thunar"), QStringLiteral("/misc-volume-management"), on) == on;
    const bool browses = get(kThunarVolman, QStringLiteral("/autobrowse/enabled"), QString()) == on;
    const bool imports = get(kThunarVolman, QStringLiteral("/autophoto/enabled"), QString()) == on
        && !get(kThunarVolman, QStringLiteral("/autophoto/command"), QString()).isEmpty();
    Values values;
    values.readable = readable;
    values.acts = managed && (browses || imports);
    return values;
}

DesktopMediaHandling::Outcome DesktopMediaHandling::outcomeOf(const Values &values, QString problem) const
{
    return Outcome { stateOf(values), std::move(problem), m_schema != kThunarVolman };
}

DesktopMediaHandling::State DesktopMediaHandling::stateOf(const Values &values) const
{
    if (!values.readable)
        return State::Unreadable;
    if (m_schema == kThunarVolman)
        return values.acts ? State::DesktopOpens : State::Quiet;
    // Only the ignore list keeps a desktop that acts on media from asking, starting an
    // application or opening a folder for the card.
    if (values.acts && !parseList(values.texts.at(0)).contains(kCameraCards))
        return State::DesktopOpens;
    return m_services.state->value(stateKey(kIgnore)).isValid() ? State::MirvaleOpens : State::Quiet;
}

DesktopMediaHandling::Written DesktopMediaHandling::write(CommandRunner &commands, const QString &schema,
    const QStringList &keys, const QStringList &before, const QStringList &after)
{
    CommandRunner::Limits limits;
    limits.timeLimit = kTimeLimit;
    const auto set = [&](int index, const QStringList &values) {
        return commands.run(QStringLiteral("gsettings"),
            { QStringLiteral("set"), schema, keys.at(index), values.at(index) }, limits);
    };
    Written written { keys, before, after, {} };
    for (int index = 0; index < keys.size(); ++index) {
        const CommandRunner::Result result = set(index, after);
        if (succeeded(result))
            continue;
        written.problem
            = QStringLiteral("gsettings set %1 %2 failed: %3").arg(schema, keys.at(index), failure(result));
        for (int back = index - 1; back >= 0; --back)
            set(back, before);
        break;
    }
    return written;
}

QString DesktopMediaHandling::stateKey(const QString &key) const
{
    return QStringLiteral("desktopMediaHandling/") + m_schema + QLatin1Char('/') + key;
}

void DesktopMediaHandling::logWritten(const Written &written, const QString &why) const
{
    if (!written.problem.isEmpty()) {
        m_services.log->error(
            QStringLiteral("Camera cards: ") + written.problem + QStringLiteral("; nothing changed"));
        return;
    }
    for (int index = 0; index < written.keys.size(); ++index)
        m_services.log->info(QStringLiteral("Camera cards: %1: set %2 %3 from %4 to %5")
                                 .arg(why, m_schema, written.keys.at(index), written.before.at(index),
                                     written.after.at(index)));
}

void DesktopMediaHandling::read(std::function<void(Outcome)> done)
{
    m_services.background([this, life = QPointer<DesktopMediaHandling>(this), main = m_services.main,
                              commands = m_services.commands, schema = m_schema, done = std::move(done)] {
        const Values values = readValues(*commands, schema);
        main([this, life, values, done] {
            if (life)
                done(outcomeOf(values));
        });
    });
}

void DesktopMediaHandling::letMirvaleOpen(std::function<void(Outcome)> done)
{
    m_services.background([this, life = QPointer<DesktopMediaHandling>(this), main = m_services.main,
                              commands = m_services.commands, schema = m_schema, done = std::move(done)] {
        const Values values = readValues(*commands, schema);
        Written written;
        if (schema == kThunarVolman) {
            written.problem
                = QStringLiteral("thunar-volman's setting covers every medium, not camera cards only");
        } else if (values.readable) {
            QStringList keys, before, after;
            for (int index = 0; index < kListKeys.size(); ++index) {
                QStringList items = parseList(values.texts.at(index));
                if (index == 0 && !items.contains(kCameraCards))
                    items.append(kCameraCards);
                if (index > 0)
                    items.removeAll(kCameraCards);
                if (formatList(items) == formatList(parseList(values.texts.at(index))))
                    continue;
                keys.append(kListKeys.at(index));
                before.append(values.texts.at(index));
                after.append(formatList(items));
            }
            written = write(*commands, schema, keys, before, after);
        } else {
            written.problem = QStringLiteral("the desktop's media handling could not be read");
        }
        main([this, life, values, written, done] {
            if (!life)
                return;
            logWritten(written, QStringLiteral("Mirvale opens them"));
            if (!written.problem.isEmpty()) {
                done(outcomeOf(values, written.problem));
                return;
            }
            // Every list, changed or not, so that the way back knows Mirvale made the change.
            for (int index = 0; index < kListKeys.size(); ++index)
                m_services.state->setValue(stateKey(kListKeys.at(index)), values.texts.at(index));
            done(Outcome { State::MirvaleOpens, {}, true });
        });
    });
}

void DesktopMediaHandling::letDesktopOpen(std::function<void(Outcome)> done)
{
    QStringList keys, before;
    for (const QString &key : kListKeys) {
        const QVariant earlier = m_services.state->value(stateKey(key));
        if (earlier.isValid()) {
            keys.append(key);
            before.append(earlier.toString());
        }
    }
    m_services.background(
        [this, life = QPointer<DesktopMediaHandling>(this), main = m_services.main,
            commands = m_services.commands, schema = m_schema, keys, before, done = std::move(done)] {
            Values values = readValues(*commands, schema);
            Written written;
            if (values.readable) {
                // Only the lists that differ from the earlier values are set (and logged).
                QStringList changed, now, earlier;
                for (int index = 0; index < keys.size(); ++index) {
                    const QString current = values.texts.at(kListKeys.indexOf(keys.at(index)));
                    if (current == before.at(index))
                        continue;
                    changed.append(keys.at(index));
                    now.append(current);
                    earlier.append(before.at(index));
                }
                written = write(*commands, schema, changed, now, earlier);
                if (written.problem.isEmpty())
                    values = readValues(*commands, schema);
            } else {
                written.problem = QStringLiteral("the desktop's media handling could not be read");
            }
            main([this, life, values, written, done] {
                if (!life)
                    return;
                logWritten(written, QStringLiteral("the desktop opens them"));
                if (written.problem.isEmpty())
                    for (const QString &key : kListKeys)
                        m_services.state->setValue(stateKey(key), QVariant());
                done(outcomeOf(values, written.problem));
            });
        });
}
