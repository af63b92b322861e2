// A tray host of the test's own on the session bus: a StatusNotifierWatcher that tray icons
// register with, and a client that reads and drives a registered icon's menu over DBusMenu.
//
//   mirvale_fake_tray_host watch          own the watcher; print each registered item
//   mirvale_fake_tray_host menu           print the icon's menu, one line per entry, as a host shows it
//   mirvale_fake_tray_host layout         the same without AboutToShow first; then AboutToShow's answer
//                                         and how many LayoutUpdated the item sent after it
//   Run as `xfce4-panel` (a link), `watch` is a watcher that Mirvale takes for Xfce's panel.
//   mirvale_fake_tray_host click LABEL    choose the entry titled LABEL, after opening the menu again
//   mirvale_fake_tray_host icon FILE.png  save the icon's largest image
//   mirvale_fake_tray_host first-read     print the menu as read without AboutToShow, then what
//                                         AboutToShow answers and how many LayoutUpdated follow
// In a desktop session, whose own host and watcher run: --pid PID reads the item of that
// process, --labels raw shows labels as sent (a host without DBusMenu's mnemonic rules).
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QImage>
#include <QTimer>
#include <QtEndian>

#include <cstdio>

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString kItemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString kMenuInterface = QStringLiteral("com.canonical.dbusmenu");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

void say(const QString &line)
{
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

int fail(const QString &why)
{
    std::fputs(qPrintable(QStringLiteral("fake tray host: ") + why + u'\n'), stderr);
    return 1;
}

qint64 g_itemPid = 0;
bool g_rawLabels = false;

} // namespace

/// The watcher as Qt's tray icon looks for it: the host-registered property must be true and
/// listed in the introspection data.
class Watcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ registeredItems)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
public:
    QStringList registeredItems() const { return m_items; }
    bool isHostRegistered() const { return true; }
    int protocolVersion() const { return 0; }

public slots:
    void RegisterStatusNotifierItem(const QString &serviceOrPath, const QDBusMessage &message)
    {
        // Either a bus name, or an object path on the caller's connection.
        const QString item
            = serviceOrPath.startsWith(u'/') ? message.service() + serviceOrPath : serviceOrPath;
        if (!m_items.contains(item))
            m_items.append(item);
        say(QStringLiteral("registered ") + item);
        emit StatusNotifierItemRegistered(item);
    }
    void RegisterStatusNotifierHost(const QString &service) { Q_UNUSED(service); }

signals:
    void StatusNotifierItemRegistered(const QString &service);
    void StatusNotifierItemUnregistered(const QString &service);
    void StatusNotifierHostRegistered();

private:
    QStringList m_items;
};

/// Counts the menu updates an item sends.
class UpdateCounter : public QObject {
    Q_OBJECT
public:
    int m_count = 0;
public slots:
    void count() { ++m_count; }
};

namespace {

struct MenuNode {
    int id = 0;
    QVariantMap properties;
    QList<MenuNode> children;
};

MenuNode parseNode(const QDBusArgument &argument)
{
    MenuNode node;
    argument.beginStructure();
    argument >> node.id >> node.properties;
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        node.children.append(parseNode(qvariant_cast<QDBusArgument>(child.variant())));
    }
    argument.endArray();
    argument.endStructure();
    return node;
}

QVariant getProperty(QDBusConnection &bus, const QString &service, const QString &path,
    const QString &interface, const QString &name, QString *error)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, kProperties, QStringLiteral("Get"));
    call.setArguments({ interface, name });
    const QDBusMessage reply = bus.call(call, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        *error = reply.errorName() + u' ' + reply.errorMessage();
        return {};
    }
    return qvariant_cast<QDBusVariant>(reply.arguments().value(0)).variant();
}

struct Item {
    QString service;
    QString path;
};

std::optional<Item> firstItem(QDBusConnection &bus, QString *error)
{
    const QVariant items = getProperty(bus, kWatcherService, kWatcherPath, kWatcherService,
        QStringLiteral("RegisteredStatusNotifierItems"), error);
    const QStringList names = items.toStringList();
    if (names.isEmpty()) {
        if (error->isEmpty())
            *error = QStringLiteral("no tray icon registered");
        return std::nullopt;
    }
    for (const QString &name : names) {
        // "SERVICE/PATH", or "SERVICE@/PATH" as GNOME's AppIndicator extension lists them.
        const qsizetype slash = name.indexOf(u'/');
        const qsizetype end = slash > 0 && name.at(slash - 1) == u'@' ? slash - 1 : slash;
        const Item item = slash > 0 ? Item { name.left(end), name.mid(slash) }
                                    : Item { name, QStringLiteral("/StatusNotifierItem") };
        if (g_itemPid == 0 || bus.interface()->servicePid(item.service).value() == g_itemPid)
            return item;
    }
    *error = QStringLiteral("no tray icon of process %1 among %2").arg(g_itemPid).arg(names.join(u' '));
    return std::nullopt;
}

bool g_aboutToShow = true;

std::optional<MenuNode> readMenu(QDBusConnection &bus, const Item &item, QString *menuPath, QString *error)
{
    const QVariant path
        = getProperty(bus, item.service, item.path, kItemInterface, QStringLiteral("Menu"), error);
    if (!error->isEmpty())
        return std::nullopt;
    *menuPath = qvariant_cast<QDBusObjectPath>(path).path();
    // What a host does before showing the menu: the application rebuilds it then.
    QDBusMessage aboutToShow = QDBusMessage::createMethodCall(
        item.service, *menuPath, kMenuInterface, QStringLiteral("AboutToShow"));
    aboutToShow.setArguments({ 0 });
    if (g_aboutToShow)
        bus.call(aboutToShow, QDBus::Block, 5000);
    QDBusMessage layout = QDBusMessage::createMethodCall(
        item.service, *menuPath, kMenuInterface, QStringLiteral("GetLayout"));
    layout.setArguments({ 0, -1, QStringList() });
    const QDBusMessage reply = bus.call(layout, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() < 2) {
        *error = QStringLiteral("GetLayout failed: ") + reply.errorMessage();
        return std::nullopt;
    }
    return parseNode(qvariant_cast<QDBusArgument>(reply.arguments().at(1)));
}

/// A label as hosts show it: `__` is a literal underscore, a single `_` marks the mnemonic.
QString shownLabel(const QVariantMap &properties)
{
    const QString label = properties.value(QStringLiteral("label")).toString();
    if (g_rawLabels)
        return label;
    QString shown;
    for (qsizetype i = 0; i < label.size(); ++i) {
        if (label[i] != u'_')
            shown.append(label[i]);
        else if (i + 1 < label.size() && label[i + 1] == u'_')
            shown.append(label[++i]);
    }
    return shown;
}

QString describe(const MenuNode &node)
{
    const QVariantMap &p = node.properties;
    if (p.value(QStringLiteral("type")).toString() == QLatin1String("separator"))
        return QStringLiteral("---");
    QString line = shownLabel(p);
    if (p.value(QStringLiteral("toggle-type")).toString() == QLatin1String("checkmark"))
        line = (p.value(QStringLiteral("toggle-state")).toInt() == 1 ? QStringLiteral("[x] ")
                                                                     : QStringLiteral("[ ] "))
            + line;
    if (p.contains(QStringLiteral("enabled")) && !p.value(QStringLiteral("enabled")).toBool())
        line = u'(' + line + u')';
    if (p.contains(QStringLiteral("shortcut"))) {
        QList<QStringList> shortcut;
        qvariant_cast<QDBusArgument>(p.value(QStringLiteral("shortcut"))) >> shortcut;
        if (!shortcut.isEmpty())
            line += u'|' + shortcut.first().join(u'+');
    }
    return line;
}

QList<MenuNode> visibleChildren(const MenuNode &root)
{
    QList<MenuNode> shown;
    for (const MenuNode &child : root.children) {
        if (child.properties.value(QStringLiteral("visible"), true).toBool())
            shown.append(child);
    }
    return shown;
}

int saveIcon(QDBusConnection &bus, const Item &item, const QString &file)
{
    QString error;
    const QVariant pixmaps
        = getProperty(bus, item.service, item.path, kItemInterface, QStringLiteral("IconPixmap"), &error);
    if (!error.isEmpty())
        return fail(error);
    const QDBusArgument argument = qvariant_cast<QDBusArgument>(pixmaps);
    QImage best;
    argument.beginArray();
    while (!argument.atEnd()) {
        int width = 0;
        int height = 0;
        QByteArray data;
        argument.beginStructure();
        argument >> width >> height >> data;
        argument.endStructure();
        if (width <= best.width() || data.size() < qsizetype(width) * height * 4)
            continue;
        // Network byte order ARGB.
        QImage image(width, height, QImage::Format_ARGB32);
        const auto *pixels = reinterpret_cast<const quint32 *>(data.constData());
        for (int y = 0; y < height; ++y) {
            auto *line = reinterpret_cast<quint32 *>(image.scanLine(y));
            for (int x = 0; x < width; ++x)
                line[x] = qFromBigEndian(pixels[y * width + x]);
        }
        best = image;
    }
    argument.endArray();
    if (best.isNull())
        return fail(QStringLiteral("the icon has no image"));
    if (!best.save(file))
        return fail(QStringLiteral("cannot write ") + file);
    say(QStringLiteral("%1x%2").arg(best.width()).arg(best.height()));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    while (arguments.size() >= 2 && arguments.first().startsWith(QLatin1String("--"))) {
        if (arguments.first() == QLatin1String("--pid"))
            g_itemPid = arguments.at(1).toLongLong();
        g_rawLabels = g_rawLabels
            || (arguments.first() == QLatin1String("--labels") && arguments.at(1) == QLatin1String("raw"));
        arguments = arguments.mid(2);
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return fail(QStringLiteral("no session bus"));
    const QString command = arguments.value(0);

    if (command == QLatin1String("watch")) {
        Watcher watcher;
        if (!bus.registerObject(kWatcherPath, &watcher,
                QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals
                    | QDBusConnection::ExportAllProperties)
            || !bus.registerService(kWatcherService))
            return fail(QStringLiteral("cannot own the watcher: ") + bus.lastError().message());
        say(QStringLiteral("watching"));
        return QCoreApplication::exec();
    }

    QString error;
    const std::optional<Item> item = firstItem(bus, &error);
    if (!item)
        return fail(error);
    if (command == QLatin1String("icon") && arguments.size() == 2)
        return saveIcon(bus, *item, arguments.at(1));

    if (command == QLatin1String("items")) {
        say(QStringLiteral("registered ") + item->service + item->path);
        return 0;
    }
    // "first-read" is "layout" as the desktop session tests word its last line.
    const bool firstRead = command == QLatin1String("first-read");
    if (command == QLatin1String("layout") || firstRead)
        g_aboutToShow = false;
    QString menuPath;
    const std::optional<MenuNode> root = readMenu(bus, *item, &menuPath, &error);
    if (!root)
        return fail(error);
    if (command == QLatin1String("menu")) {
        for (const MenuNode &child : visibleChildren(*root))
            say(describe(child));
        return 0;
    }
    if (command == QLatin1String("layout") || firstRead) {
        for (const MenuNode &child : visibleChildren(*root))
            say(describe(child));
        UpdateCounter counter;
        bus.connect(item->service, menuPath, kMenuInterface, QStringLiteral("LayoutUpdated"), &counter,
            SLOT(count()));
        QDBusMessage aboutToShow = QDBusMessage::createMethodCall(
            item->service, menuPath, kMenuInterface, QStringLiteral("AboutToShow"));
        aboutToShow.setArguments({ 0 });
        const QDBusMessage answer = bus.call(aboutToShow, QDBus::Block, 5000);
        say(QStringLiteral("about-to-show ")
            + (answer.arguments().value(0).toBool() ? QStringLiteral("true") : QStringLiteral("false")));
        // Whatever the item sends for it has come once two more calls were answered after it
        // and its event loop had time for a further turn.
        readMenu(bus, *item, &menuPath, &error);
        QTimer::singleShot(300, &app, [&] {
            readMenu(bus, *item, &menuPath, &error);
            QCoreApplication::processEvents();
            say((firstRead ? QStringLiteral("layout-updated %1") : QStringLiteral("updates %1"))
                    .arg(counter.m_count));
            app.quit();
        });
        return QCoreApplication::exec();
    }
    if (command == QLatin1String("click") && arguments.size() == 2) {
        for (const MenuNode &child : visibleChildren(*root)) {
            if (shownLabel(child.properties) != arguments.at(1))
                continue;
            // The user opens the menu again before choosing: the host sends the click with the
            // entry it read before, as hosts do until a new layout has reached them.
            QDBusMessage reopen = QDBusMessage::createMethodCall(
                item->service, menuPath, kMenuInterface, QStringLiteral("AboutToShow"));
            reopen.setArguments({ 0 });
            bus.call(reopen, QDBus::Block, 5000);
            QDBusMessage event = QDBusMessage::createMethodCall(
                item->service, menuPath, kMenuInterface, QStringLiteral("Event"));
            event.setArguments(
                { child.id, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(QVariant(0))), 0u });
            const QDBusMessage reply = bus.call(event, QDBus::Block, 5000);
            if (reply.type() == QDBusMessage::ErrorMessage)
                return fail(QStringLiteral("Event failed: ") + reply.errorMessage());
            say(QStringLiteral("clicked ") + arguments.at(1));
            return 0;
        }
        return fail(QStringLiteral("no entry titled ") + arguments.at(1));
    }
    return fail(QStringLiteral(
        "usage: [--pid PID] [--labels raw] watch | items | menu | first-read | click LABEL | icon FILE.png"));
}

#include "FakeTrayHostMain.moc"
