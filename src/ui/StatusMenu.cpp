#include "ui/StatusMenu.h"

#include "app/Autostart.h"
#include "app/Coordinator.h"
#include "app/UpdateController.h"
#include "platform/StatusNotifierExport.h"
#include "rules/RulesProvider.h"
#include "support/DescribedError.h"
#include "support/Logger.h"
#include "support/ShownText.h"
#include "support/Workers.h"
#include "ui/AlertBox.h"
#include "ui/TrayIcon.h"
#include "ui/model/StatusMenuModel.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QtEndian>

StatusMenu::StatusMenu(Services services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_menu(std::make_unique<QMenu>())
{
    connect(m_menu.get(), &QMenu::aboutToShow, this, [this] {
        rebuild();
        m_menuOpen = true;
        m_services.autostart->refreshStatus();
        // Fresh free space arrives later as a card change and retitles the open menu.
        m_services.coordinator->volumeWatcher().refreshFreeSpaceNow();
    });
    connect(m_menu.get(), &QMenu::aboutToHide, this, [this] { m_menuOpen = false; });

    Coordinator &coordinator = *m_services.coordinator;
    coordinator.volumeWatcher().observeCardsChanged(this, [this] { handleExternalChange(); });
    connect(&coordinator.rules(), &RulesProvider::settingsChanged, this, &StatusMenu::handleExternalChange);
    if (UpdateController *updates = m_services.updates) {
        connect(updates, &UpdateController::updateAvailabilityChanged, this, &StatusMenu::scheduleExport);
        connect(updates, &UpdateController::canCheckForUpdatesChanged, this, &StatusMenu::scheduleExport);
    }
    rebuild();
    if (!m_services.trayExport)
        makeTrayIcon();
    refreshIcon();
    if (StatusNotifierExport *tray = m_services.trayExport) {
        connect(tray, &StatusNotifierExport::hostChanged, this, &StatusMenu::handleHostChanged);
        connect(tray, &StatusNotifierExport::entryClicked, this, [this](int id) {
            const qsizetype index = m_export.indexOf(id);
            if (index >= 0 && index < m_exportedItems.size())
                perform(m_exportedItems[index]);
        });
        connect(tray, &StatusNotifierExport::menuRequested, this, [this](QPoint position) {
            if (!m_menu->isVisible())
                m_menu->popup(position);
        });
        QPointer<StatusMenu> self(this);
        m_services.autostart->refreshStatus([self](bool) {
            if (self)
                self->scheduleExport();
        });
        // The icon goes to the XEmbed tray only once it is known that no host shows it.
        tray->start();
    } else {
        // Shown even without a tray: Qt puts the icon in a system tray that appears later.
        m_trayIcon->show();
    }
    // At login the panel may come up after Mirvale; look for a tray once it has had time to.
    QTimer::singleShot(m_services.trayGrace, this, &StatusMenu::noticeMissingTray);
}

void StatusMenu::makeTrayIcon()
{
    // Qt decides once, when its first tray icon is made, whether that icon goes to a
    // status-notifier watcher; made only where no host shows Mirvale's own item, it is the
    // XEmbed one, and never a second item beside Mirvale's.
    m_trayIcon = std::make_unique<QSystemTrayIcon>();
    m_trayIcon->setToolTip(QStringLiteral("Mirvale"));
    m_trayIcon->setContextMenu(m_menu.get());
    // A click on the icon opens the menu too, where the tray tells us about it.
    connect(m_trayIcon.get(), &QSystemTrayIcon::activated, this,
        [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger && !m_menu->isVisible())
                m_menu->popup(QCursor::pos());
        });
    if (m_iconPaused)
        drawIcon(*m_iconPaused);
}

void StatusMenu::noticeMissingTray()
{
    if ((m_services.trayExport && m_services.trayExport->isShown())
        || QSystemTrayIcon::isSystemTrayAvailable())
        return;
    if (m_services.log)
        m_services.log->warn(QStringLiteral("No system tray on this desktop: Mirvale runs without an icon; "
                                            "starting it again opens Settings, and mirvalectl reaches it"));
    if (m_services.tellNoTray) {
        m_services.tellNoTray([menu = QPointer<StatusMenu>(this)] {
            if (menu)
                menu->showNoTrayWindow();
        });
        return;
    }
    showNoTrayWindow();
}

void StatusMenu::showNoTrayWindow()
{
    auto *notice = new AlertBox(QMessageBox::Information,
        tr("Mirvale is running, but this desktop shows no tray icons"),
        tr("To reach Mirvale, start it again: that opens its settings. From a terminal, mirvalectl lists "
           "the cards and pauses or resumes watching. If a tray is added to the desktop later, the icon "
           "shows there; some trays show it only after Mirvale is started again."));
    notice->setObjectName(QStringLiteral("noTrayNotice"));
    notice->setAttribute(Qt::WA_DeleteOnClose);
    // Told, not asked: the window does not take the focus from what the user is doing.
    notice->setAttribute(Qt::WA_ShowWithoutActivating);
    notice->open();
}

StatusMenu::~StatusMenu()
{
    if (m_trayIcon)
        m_trayIcon->setContextMenu(nullptr);
}

void StatusMenu::refreshIcon()
{
    const bool paused = m_services.coordinator->rules().settings().paused;
    if (m_iconPaused == paused)
        return;
    m_iconPaused = paused;
    drawIcon(paused);
}

void StatusMenu::drawIcon(bool paused)
{
    // An installed symbolic icon goes to the tray host by name, and hosts tint symbolic icons
    // for their panel. The drawn one serves everywhere else, on panels of any colour: the
    // application's palette says nothing about the panel's.
    const QIcon themed = QIcon::fromTheme(
        paused ? QStringLiteral("mirvale-tray-paused-symbolic") : QStringLiteral("mirvale-tray-symbolic"));
    const bool hasThemed = !themed.isNull() && !themed.pixmap(TrayIcon::kTraySizes[0]).isNull();
    if (m_trayIcon)
        m_trayIcon->setIcon(hasThemed ? themed : TrayIcon::trayIcon(paused));
    if (!m_services.trayExport)
        return;
    // Hosts that cannot find the name in their theme draw the pixels.
    QList<TrayIconImage> images;
    for (const int side : TrayIcon::kTraySizes) {
        const QImage image = TrayIcon::trayIcon(paused)
                                 .pixmap(QSize(side, side), 1.0)
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32);
        TrayIconImage converted { image.width(), image.height(), QByteArray() };
        converted.argb.resize(qsizetype(image.width()) * image.height() * 4);
        auto *out = reinterpret_cast<quint32 *>(converted.argb.data());
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const quint32 *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                *out++ = qToBigEndian(line[x]);
        }
        images.append(converted);
    }
    m_services.trayExport->setIcon(hasThemed ? themed.name() : QString(), images);
}

void StatusMenu::handleExternalChange()
{
    refreshIcon();
    retitleOpenMenuCards();
    scheduleExport();
}

void StatusMenu::handleHostChanged()
{
    StatusNotifierExport *tray = m_services.trayExport;
    if (tray->isShown()) {
        if (m_trayIcon)
            m_trayIcon->hide();
        exportMenu();
        return;
    }
    if (!m_trayIcon)
        makeTrayIcon();
    // Shown even without a tray: Qt puts the icon in an XEmbed tray that appears later.
    m_trayIcon->show();
}

void StatusMenu::scheduleExport()
{
    if (!m_services.trayExport || m_exportQueued)
        return;
    m_exportQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_exportQueued = false;
        exportMenu();
    });
}

void StatusMenu::exportMenu()
{
    StatusNotifierExport *tray = m_services.trayExport;
    if (!tray || !tray->isShown())
        return;
    m_exportedItems = currentItems();
    switch (m_export.take(m_exportedItems)) {
    case TrayMenuExport::Change::None:
        return;
    case TrayMenuExport::Change::Entries:
        tray->updateEntries(m_export.entries(), m_export.changedIds());
        return;
    case TrayMenuExport::Change::Layout:
        tray->setLayout(m_export.entries());
        return;
    }
}

QList<StatusMenuItem> StatusMenu::currentItems() const
{
    Coordinator &coordinator = *m_services.coordinator;
    StatusMenuModel::Input input;
    input.detectedCards = coordinator.volumeWatcher().detectedCards();
    input.mountedCards = coordinator.volumeWatcher().mountedCards();
    input.settings = coordinator.rules().settings();
    input.launchAtLogin = m_services.autostart->lastKnownEnabled();
    if (m_services.updates) {
        const UpdateController::MenuItem update = m_services.updates->makeMenuItem();
        input.updateTitle = update.title;
        input.updateEnabled = update.enabled;
    }
    return StatusMenuModel::build(input);
}

void StatusMenu::rebuild()
{
    QList<StatusMenuItem> fresh = currentItems();

    // A tray host may still hold the entries of the menu it showed last and send a click on
    // one of them; while the shape holds, the same entries take the fresh lines.
    if (!m_actions.isEmpty() && StatusMenuModel::sameShape(m_items, fresh)) {
        m_items = std::move(fresh);
        for (qsizetype i = 0; i < m_items.size(); ++i)
            applyLine(m_actions[i], m_items[i]);
        return;
    }
    m_items = std::move(fresh);
    m_menu->clear();
    m_actions.clear();
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        if (m_items[i].isSeparator) {
            m_actions.append(m_menu->addSeparator());
            continue;
        }
        QAction *action = m_menu->addAction(QString());
        applyLine(action, m_items[i]);
        connect(action, &QAction::triggered, this, [this, i] { perform(i); });
        m_actions.append(action);
    }
}

void StatusMenu::applyLine(QAction *action, const StatusMenuItem &item) const
{
    if (item.isSeparator)
        return;
    action->setText(entryText(item));
    action->setEnabled(item.enabled);
    action->setCheckable(item.checkable);
    action->setChecked(item.checked);
    action->setShortcut(QKeySequence(item.shortcut, QKeySequence::PortableText));
}

QString StatusMenu::entryText(const StatusMenuItem &item) const
{
    // Menus show no indentation levels; leading spaces stand in for them.
    const QString label = QString(item.indentation * 4, u' ') + item.title;
    // Qt exports the menu over DBusMenu when a StatusNotifier host took the icon (it gave the
    // menu a platform menu then); otherwise it draws the menu itself.
    return m_menu->platformMenu() ? ShownText::forDBusMenu(label) : ShownText::forQtMenu(label);
}

void StatusMenu::retitleOpenMenuCards()
{
    if (!m_menuOpen)
        return;
    const QList<qsizetype> changed
        = StatusMenuModel::retitle(m_items, m_services.coordinator->volumeWatcher().detectedCards());
    for (qsizetype index : changed)
        m_actions[index]->setText(entryText(m_items[index]));
}

void StatusMenu::perform(qsizetype index)
{
    if (index >= 0 && index < m_items.size())
        perform(StatusMenuItem(m_items[index]));
}

void StatusMenu::perform(const StatusMenuItem &item)
{
    Coordinator &coordinator = *m_services.coordinator;
    using Action = StatusMenuItem::Action;
    switch (item.action) {
    case Action::None:
        return;
    case Action::OpenCard:
        if (const DetectedCard *card = item.detectedCard())
            coordinator.cardClicked(*card);
        return;
    case Action::EjectCard:
        if (const MountedCard *card = item.mountedCard())
            coordinator.eject(*card);
        return;
    case Action::TogglePause:
        coordinator.togglePause();
        refreshIcon();
        scheduleExport();
        return;
    case Action::ShowSettings:
        coordinator.showSettings(QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier));
        return;
    case Action::ToggleLaunchAtLogin:
        toggleLaunchAtLogin();
        return;
    case Action::ShowLog:
        if (m_services.showLog)
            m_services.showLog();
        return;
    case Action::CheckForUpdates:
        if (m_services.updates)
            m_services.updates->checkForUpdates();
        return;
    case Action::Quit:
        if (m_services.quit)
            m_services.quit();
        else
            QCoreApplication::quit();
        return;
    }
}

void StatusMenu::toggleLaunchAtLogin()
{
    Autostart *autostart = m_services.autostart;
    const bool wanted = !autostart->lastKnownEnabled();
    QPointer<StatusMenu> self(this);
    // The file work happens off the main thread; only the alert comes back to it.
    Workers::start(Workers::general(), [autostart, wanted, self] {
        try {
            autostart->setEnabled(wanted);
            autostart->refreshStatus([self](bool) {
                if (self)
                    self->scheduleExport();
            });
        } catch (const DescribedError &error) {
            const QString description = error.description();
            Workers::post(QCoreApplication::instance(), [self, description] {
                if (self)
                    self->showLaunchAtLoginAlert(description);
            });
        }
    });
}

void StatusMenu::showLaunchAtLoginAlert(const QString &description)
{
    auto *alert = new AlertBox(QMessageBox::Warning, tr("Couldn't change Launch at Login"), description);
    alert->setObjectName(QStringLiteral("launchAtLoginAlert"));
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->open();
}
