#include "main/mirvalectl/ControlCommands.h"

#include "app/ControlInterface.h"
#include "support/ShownText.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>

#include <nlohmann/json.hpp>

namespace {

// Opening may wait for a mount: the disk service's 15 seconds and then the fallback command.
constexpr int kRequestTimeoutMs = 120'000;
constexpr int kQuickTimeoutMs = 10'000;

QString text(const char *source)
{
    return QCoreApplication::translate("ControlCommands", source);
}

QString notRunning()
{
    return QStringLiteral("mirvalectl: ")
        + text(QT_TRANSLATE_NOOP("ControlCommands", "Mirvale is not running")) + QLatin1Char('\n');
}

void print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

int usageError(std::FILE *err, const QString &problem)
{
    print(err, QStringLiteral("mirvalectl: ") + problem + QLatin1Char('\n'));
    print(err, ControlCommands::usage());
    return ControlCommands::Usage;
}

bool isNotRunning(const QDBusMessage &reply)
{
    const QString name = reply.errorName();
    return name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown")
        || name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")
        || name == QLatin1String("org.freedesktop.DBus.Error.UnknownObject");
}

/// Qt's bus thread goes on handling an error reply after it has woken the caller, copying the
/// reply into a signal of its own; if the program ends meanwhile, the copy finds its types gone
/// and Qt warns on standard error. One more round trip to the bus outlasts that handling.
void settleErrorReply(QDBusConnection &connection)
{
    QDBusMessage ping = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
        QStringLiteral("/org/freedesktop/DBus"), QStringLiteral("org.freedesktop.DBus.Peer"),
        QStringLiteral("Ping"));
    connection.call(ping, QDBus::Block, kQuickTimeoutMs);
}

/// Calls one method; prints why it failed and sets `exitCode` when it did.
std::optional<QDBusMessage> call(QDBusConnection &connection, const QString &interface, const QString &method,
    const QVariantList &arguments, int timeoutMs, std::FILE *err, int &exitCode)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        ControlInterface::kServiceName, ControlInterface::kObjectPath, interface, method);
    message.setArguments(arguments);
    // No auto-start: a bus that could launch Mirvale must not do so for a query.
    message.setAutoStartService(false);
    const QDBusMessage reply = connection.call(message, QDBus::Block, timeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return reply;
    settleErrorReply(connection);
    if (isNotRunning(reply)) {
        print(err, notRunning());
        exitCode = ControlCommands::NotRunning;
    } else {
        print(err,
            QStringLiteral("mirvalectl: ") + ShownText::forTerminal(reply.errorMessage())
                + QLatin1Char('\n'));
        exitCode = ControlCommands::Refused;
    }
    return std::nullopt;
}

QList<QVariantMap> cardList(const QDBusMessage &reply)
{
    QList<QVariantMap> cards;
    if (reply.arguments().isEmpty())
        return cards;
    const QVariant value = reply.arguments().constFirst();
    if (value.canConvert<QDBusArgument>())
        value.value<QDBusArgument>() >> cards;
    return cards;
}

nlohmann::ordered_json toJson(const QVariantMap &card)
{
    nlohmann::ordered_json object;
    for (const char *key : { "name", "state", "mountPath", "device", "freeBytes", "title" }) {
        const QVariant value = card.value(QString::fromLatin1(key));
        if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int)
            object[key] = value.toLongLong();
        else
            object[key] = value.toString().toStdString();
    }
    return object;
}

int cards(QDBusConnection &connection, const QStringList &arguments, std::FILE *out, std::FILE *err)
{
    bool json = false;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--json"))
            json = true;
        else
            return usageError(err, text(QT_TRANSLATE_NOOP("ControlCommands", "cards takes only --json")));
    }
    int exitCode = ControlCommands::Success;
    const std::optional<QDBusMessage> reply = call(connection, ControlInterface::kInterfaceName,
        QStringLiteral("ListCards"), {}, kQuickTimeoutMs, err, exitCode);
    if (!reply)
        return exitCode;
    const QList<QVariantMap> list = cardList(*reply);
    if (json) {
        nlohmann::ordered_json array = nlohmann::ordered_json::array();
        for (const QVariantMap &card : list)
            array.push_back(toJson(card));
        print(out, QString::fromStdString(array.dump(2)) + QLatin1Char('\n'));
        return ControlCommands::Success;
    }
    for (const QVariantMap &card : list) {
        const QString shown = card.value(QStringLiteral("shownTitle")).toString();
        const QString title = shown.isEmpty() ? card.value(QStringLiteral("title")).toString() : shown;
        print(out, ShownText::forTerminal(title) + QLatin1Char('\n'));
    }
    return ControlCommands::Success;
}

int cardRequest(
    QDBusConnection &connection, const QString &method, const QStringList &arguments, std::FILE *err)
{
    if (arguments.size() != 1 || arguments.first().isEmpty())
        return usageError(err,
            method == QLatin1String("OpenCard")
                ? text(QT_TRANSLATE_NOOP("ControlCommands", "open takes one CARD"))
                : text(QT_TRANSLATE_NOOP("ControlCommands", "eject takes one CARD")));
    int exitCode = ControlCommands::Success;
    call(connection, ControlInterface::kInterfaceName, method, { arguments.first() }, kRequestTimeoutMs, err,
        exitCode);
    return exitCode;
}

int setPaused(QDBusConnection &connection, bool wanted, std::FILE *err)
{
    // One call that sets the state: reading it first and toggling races another caller.
    int exitCode = ControlCommands::Success;
    call(connection, ControlInterface::kInterfaceName, QStringLiteral("SetPaused"), { wanted },
        kQuickTimeoutMs, err, exitCode);
    return exitCode;
}

int settingRequest(QDBusConnection &connection, const QString &command, const QStringList &arguments,
    std::FILE *out, std::FILE *err)
{
    const bool get = command == QLatin1String("get");
    if (arguments.size() != (get ? 1 : 2))
        return usageError(err,
            get ? text(QT_TRANSLATE_NOOP("ControlCommands", "get takes one KEY"))
                : text(QT_TRANSLATE_NOOP("ControlCommands", "set takes a KEY and a VALUE")));
    int exitCode = ControlCommands::Success;
    const std::optional<QDBusMessage> reply = call(connection, ControlInterface::kInterfaceName,
        get ? QStringLiteral("GetSetting") : QStringLiteral("SetSetting"),
        QVariantList(arguments.cbegin(), arguments.cend()), kQuickTimeoutMs, err, exitCode);
    if (reply && get && !reply->arguments().isEmpty())
        print(out, reply->arguments().constFirst().toString() + QLatin1Char('\n'));
    return exitCode;
}

} // namespace

QString ControlCommands::usage()
{
    return text(QT_TRANSLATE_NOOP("ControlCommands",
        "Commands for the running Mirvale:\n"
        "  cards [--json]                     list the cards, as the menu shows them\n"
        "  open CARD                          open a card (a name, mount path or device),\n"
        "                                     mounting it first when needed\n"
        "  eject CARD                         unmount a card\n"
        "  pause | resume                     stop or go on watching for cards\n"
        "  settings                           show the settings window\n"
        "  get KEY                            print a setting's value\n"
        "  set KEY VALUE                      change a setting (true or false; reportWith:\n"
        "                                     panels or desktop)\n"
        "Exit status: 1 refused (the reason on standard error), 4 Mirvale is not running.\n"));
}

bool ControlCommands::handles(const QString &command)
{
    static const QStringList commands { QStringLiteral("cards"), QStringLiteral("open"),
        QStringLiteral("eject"), QStringLiteral("pause"), QStringLiteral("resume"),
        QStringLiteral("settings"), QStringLiteral("get"), QStringLiteral("set") };
    return commands.contains(command);
}

int ControlCommands::run(const QString &command, const QStringList &arguments, std::FILE *out, std::FILE *err)
{
    return run(QDBusConnection::sessionBus(), command, arguments, out, err);
}

int ControlCommands::run(QDBusConnection connection, const QString &command, const QStringList &arguments,
    std::FILE *out, std::FILE *err)
{
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        print(out, usage());
        return Success;
    }
    if (!connection.isConnected()) {
        print(err, notRunning());
        return NotRunning;
    }
    qDBusRegisterMetaType<QList<QVariantMap>>();
    if (command == QLatin1String("cards"))
        return cards(connection, arguments, out, err);
    if (command == QLatin1String("open"))
        return cardRequest(connection, QStringLiteral("OpenCard"), arguments, err);
    if (command == QLatin1String("eject"))
        return cardRequest(connection, QStringLiteral("Eject"), arguments, err);
    if (command == QLatin1String("get") || command == QLatin1String("set"))
        return settingRequest(connection, command, arguments, out, err);
    if (!arguments.isEmpty())
        return usageError(
            err, text(QT_TRANSLATE_NOOP("ControlCommands", "%1 takes no arguments")).arg(command));
    int exitCode = Success;
    if (command == QLatin1String("pause"))
        return setPaused(connection, true, err);
    if (command == QLatin1String("resume"))
        return setPaused(connection, false, err);
    if (command == QLatin1String("settings"))
        call(connection, ControlInterface::kInterfaceName, QStringLiteral("ShowSettings"), { false },
            kQuickTimeoutMs, err, exitCode);
    else
        return usageError(err, text(QT_TRANSLATE_NOOP("ControlCommands", "unknown command %1")).arg(command));
    return exitCode;
}
