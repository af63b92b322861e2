#include "ui/StatusMenu.h"

#include "app/Autostart.h"
#include "app/Coordinator.h"
#include "app/UpdateController.h"
#include "common/CoordinatorHarness.h"
#include "common/FakeUpdateService.h"
#include "common/PollUntil.h"
#include "common/PseudoLanguage.h"
#include "platform/AutostartService.h"
#include "platform/StatusNotifierExport.h"
#include "platform/linux/StatxEntryAttributeSource.h"
#include "ui/TrayIcon.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QSystemTrayIcon>

#include <gtest/gtest.h>

namespace {

class ScriptedAutostartService final : public AutostartService {
public:
    Status status() const override { return m_enabled ? Status::Enabled : Status::NotRegistered; }
    std::optional<UserText> setRegistered(bool on) override
    {
        if (m_failure)
            return UserText::verbatim(*m_failure);
        m_enabled = on;
        return std::nullopt;
    }
    std::atomic<bool> m_enabled = false;
    std::optional<QString> m_failure;
};

DetectedCard mounted(const QString &name, qint64 freeBytes)
{
    DetectedCard card;
    card.deviceName = QStringLiteral("sd") + name;
    card.name = name;
    card.mountURL = QUrl::fromLocalFile(QStringLiteral("/media/me/") + name);
    card.freeBytes = freeBytes;
    return card;
}

/// A tray host's view of Mirvale's own item: what was sent, and how often.
class FakeTrayExport final : public StatusNotifierExport {
public:
    bool isShown() const override { return m_shown; }
    void start() override { }
    void setIcon(const QString &, const QList<TrayIconImage> &images) override
    {
        m_iconImages = images.size();
    }
    void setLayout(const QList<TrayMenuEntry> &entries) override
    {
        m_entries = entries;
        ++m_layouts;
    }
    void updateEntries(const QList<TrayMenuEntry> &entries, const QList<int> &changedIds) override
    {
        m_entries = entries;
        m_updated.append(changedIds);
    }
    void show()
    {
        m_shown = true;
        emit hostChanged();
    }
    QStringList labels() const
    {
        QStringList labels;
        for (const TrayMenuEntry &entry : m_entries)
            labels.append(entry.label);
        return labels;
    }

    bool m_shown = false;
    QList<TrayMenuEntry> m_entries;
    int m_layouts = 0;
    QList<QList<int>> m_updated;
    qsizetype m_iconImages = 0;
};

class StatusMenuTest : public ::testing::Test, protected CoordinatorHarness {
protected:
    void SetUp() override
    {
        Coordinator::Services services = coordinatorServices(StatxEntryAttributeSource::instance());
        services.makeStatusMenu = [this](Coordinator &coordinator) -> std::unique_ptr<AbstractStatusMenu> {
            StatusMenu::Services menu;
            menu.coordinator = &coordinator;
            menu.autostart = &m_autostart;
            menu.updates = &m_updates;
            menu.showLog = [this] { ++m_showLogs; };
            menu.quit = [this] { ++m_quits; };
            menu.log = &m_log;
            menu.trayGrace = m_trayGrace;
            menu.trayExport = m_trayExport.get();
            auto made = std::make_unique<StatusMenu>(std::move(menu));
            m_menu = made.get();
            return made;
        };
        m_coordinator = std::make_unique<Coordinator>(services);
        m_coordinator->start();
        ASSERT_NE(m_menu, nullptr);
    }

    void TearDown() override { m_coordinator.reset(); }

    void open() { emit m_menu->menu()->aboutToShow(); }
    void close() { emit m_menu->menu()->aboutToHide(); }

    QStringList texts() const
    {
        QStringList lines;
        for (QAction *action : m_menu->menu()->actions())
            lines.append(action->isSeparator() ? QStringLiteral("---") : action->text());
        return lines;
    }

    QAction *action(const QString &text) const
    {
        for (QAction *candidate : m_menu->menu()->actions()) {
            if (candidate->text() == text)
                return candidate;
        }
        return nullptr;
    }

    std::shared_ptr<ScriptedAutostartService> m_loginService = std::make_shared<ScriptedAutostartService>();
    Autostart m_autostart { m_loginService, m_log };
    FakeUpdateService m_updateService;
    UpdateController m_updates { &m_updateService };
    StatusMenu *m_menu = nullptr;
    std::unique_ptr<Coordinator> m_coordinator;
    int m_showLogs = 0;
    int m_quits = 0;
    std::chrono::milliseconds m_trayGrace = std::chrono::hours(1);
    std::unique_ptr<FakeTrayExport> m_trayExport;
};

class StatusMenuExportTest : public StatusMenuTest {
protected:
    void SetUp() override
    {
        m_trayExport = std::make_unique<FakeTrayExport>();
        StatusMenuTest::SetUp();
    }
};

class StatusMenuInPseudoLanguageTest : public StatusMenuExportTest {
public:
    static void SetUpTestSuite() { ASSERT_TRUE(PseudoLanguage::install()); }
    static void TearDownTestSuite() { PseudoLanguage::uninstall(); }
};

/// The offscreen platform has no system tray, as stock GNOME has none.
class StatusMenuWithoutTrayTest : public StatusMenuTest {
protected:
    void SetUp() override
    {
        m_trayGrace = std::chrono::milliseconds(0);
        StatusMenuTest::SetUp();
    }
};

} // namespace

TEST_F(StatusMenuTest, RebuildsFromCurrentDataEachTimeItOpens)
{
    open();
    EXPECT_EQ(m_watcher->freeSpaceRefreshes(), 1);
    EXPECT_EQ(texts().mid(0, 3),
        (QStringList {
            QStringLiteral("Mirvale"), QStringLiteral("---"), QStringLiteral("No cards inserted") }));
    close();

    m_watcher->setCards({}, { mounted(QStringLiteral("EOS_DIGITAL"), 31'900'000'000) });
    m_updates.start();
    emit m_updateService.canCheckForUpdatesChanged(true);
    emit m_updateService.updateFound(QStringLiteral("2.3"));
    open();
    const QStringList lines = texts();
    EXPECT_EQ(lines.mid(2, 2),
        (QStringList { QStringLiteral("EOS_DIGITAL \u2014 31.9 GB free"),
            QStringLiteral("    Unmount (keeps it in this menu)") }));
    EXPECT_TRUE(lines.contains(QStringLiteral("Update to 2.3\u2026")));
    EXPECT_TRUE(action(QStringLiteral("Update to 2.3\u2026"))->isEnabled());
    EXPECT_EQ(action(QStringLiteral("Settings\u2026"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Comma));
    EXPECT_EQ(action(QStringLiteral("Quit Mirvale"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_FALSE(action(QStringLiteral("Mirvale"))->isEnabled());

    action(QStringLiteral("Update to 2.3\u2026"))->trigger();
    EXPECT_EQ(m_updateService.checks(), 1);
    action(QStringLiteral("Show Log"))->trigger();
    action(QStringLiteral("Quit Mirvale"))->trigger();
    EXPECT_EQ(m_showLogs, 1);
    EXPECT_EQ(m_quits, 1);
}

TEST_F(StatusMenuTest, CardLinesAreRetitledInPlaceOnlyWhileOpen)
{
    m_watcher->setCards(
        {}, { mounted(QStringLiteral("A"), 2'000'000'000), mounted(QStringLiteral("B"), 1'000) });
    open();
    const QList<QAction *> actions = m_menu->menu()->actions();
    m_watcher->setCards({}, { mounted(QStringLiteral("A"), 1'500'000'000) });
    EXPECT_EQ(m_menu->menu()->actions(), actions);
    EXPECT_EQ(actions[2]->text(), QStringLiteral("A \u2014 1.5 GB free"));
    EXPECT_EQ(actions[4]->text(), QStringLiteral("B \u2014 1 KB free")); // gone: keeps its title

    close();
    m_watcher->setCards({}, { mounted(QStringLiteral("A"), 1'000'000'000) });
    EXPECT_EQ(actions[2]->text(), QStringLiteral("A \u2014 1.5 GB free"));
}

TEST_F(StatusMenuTest, PauseTicksAndRedrawsTheIconAlsoWhenChangedElsewhere)
{
    const qint64 normalIcon = m_menu->trayIcon()->icon().cacheKey();
    open();
    action(QStringLiteral("Pause watching"))->trigger();
    EXPECT_TRUE(m_rules.settings().paused);
    EXPECT_TRUE(m_log.contains(QStringLiteral("[INFO] Paused set to true")));
    EXPECT_EQ(m_menu->trayIcon()->icon().cacheKey(), TrayIcon::trayIcon(true).cacheKey());
    close();
    open();
    EXPECT_TRUE(action(QStringLiteral("Pause watching"))->isChecked());
    close();

    // Resumed by someone else (the settings window): the icon follows.
    AppSettings settings = m_rules.settings();
    settings.paused = false;
    m_rules.setSettings(settings);
    EXPECT_EQ(m_menu->trayIcon()->icon().cacheKey(), normalIcon);
}

// The application's palette says nothing about the panel's colour: the drawn icon reads on any.
TEST_F(StatusMenuTest, TheDrawnIconIsTheOneForAnyPanel)
{
    EXPECT_EQ(m_menu->trayIcon()->icon().cacheKey(), TrayIcon::trayIcon(false).cacheKey());
    const QPalette original = QApplication::palette();
    QPalette dark = original;
    dark.setColor(QPalette::WindowText, QColor(240, 240, 240));
    QApplication::setPalette(dark);
    EXPECT_EQ(m_menu->trayIcon()->icon().cacheKey(), TrayIcon::trayIcon(false).cacheKey());
    QApplication::setPalette(original);
}

TEST_F(StatusMenuTest, LaunchAtLoginTogglesInTheBackground)
{
    open();
    action(QStringLiteral("Launch at Login"))->trigger();
    ASSERT_TRUE(pollUntil([&] { return m_autostart.lastKnownEnabled(); }));
    EXPECT_TRUE(m_loginService->m_enabled);
    close();
    open();
    EXPECT_TRUE(action(QStringLiteral("Launch at Login"))->isChecked());
}

TEST_F(StatusMenuTest, AFailedLaunchAtLoginChangeShowsAnAlert)
{
    m_loginService->m_failure = QStringLiteral("Could not write the entry.");
    open();
    action(QStringLiteral("Launch at Login"))->trigger();
    QMessageBox *alert = nullptr;
    ASSERT_TRUE(pollUntil([&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("launchAtLoginAlert") && widget->isVisible())
                alert = qobject_cast<QMessageBox *>(widget);
        }
        return alert != nullptr;
    }));
    EXPECT_EQ(alert->text(), QStringLiteral("Couldn't change Launch at Login"));
    EXPECT_EQ(alert->informativeText(), QStringLiteral("Could not write the entry."));
    EXPECT_EQ(alert->icon(), QMessageBox::Warning);
    EXPECT_FALSE(m_autostart.lastKnownEnabled());
    alert->close();
}

TEST_F(StatusMenuWithoutTrayTest, SaysOnceHowToReachMirvale)
{
    QMessageBox *notice = nullptr;
    ASSERT_TRUE(pollUntil([&] {
        for (QWidget *widget : QApplication::topLevelWidgets())
            notice = widget->objectName() == QLatin1String("noTrayNotice")
                ? qobject_cast<QMessageBox *>(widget)
                : notice;
        return notice && notice->isVisible();
    }));
    EXPECT_TRUE(
        notice->informativeText().contains(QStringLiteral("start it again: that opens its settings")));
    processEventsFor(std::chrono::milliseconds(50));
    EXPECT_EQ(
        m_log.count(QStringLiteral("[WARN] No system tray on this desktop: Mirvale runs without an icon; "
                                   "starting it again opens Settings, and mirvalectl reaches it")),
        1);
    notice->close();
}

// Renders the menu and the icon on light and dark panels for a person to look at, when
// MIRVALE_SNAPSHOT_DIR names a folder.
TEST_F(StatusMenuTest, Snapshots)
{
    const QString folder = qEnvironmentVariable("MIRVALE_SNAPSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "MIRVALE_SNAPSHOT_DIR is not set";
    QDir().mkpath(folder);
    DetectedCard ejected;
    ejected.deviceName = QStringLiteral("slot:mmc0");
    ejected.name = QStringLiteral("SD_CARD");
    ejected.isEjected = true;
    DetectedCard unmounted;
    unmounted.deviceName = QStringLiteral("sdc1");
    unmounted.name = QStringLiteral("NIKON D850");
    m_watcher->setCards({}, { mounted(QStringLiteral("EOS_DIGITAL"), 31'900'000'000), unmounted, ejected });
    AppSettings settings = m_rules.settings();
    settings.paused = true;
    m_rules.setSettings(settings);

    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QPalette original = QApplication::palette();
    for (const bool dark : { false, true }) {
        QPalette palette = QApplication::style()->standardPalette();
        if (dark) {
            palette.setColor(QPalette::Window, QColor(45, 45, 48));
            palette.setColor(QPalette::WindowText, QColor(235, 235, 235));
            palette.setColor(QPalette::Base, QColor(30, 30, 32));
            palette.setColor(QPalette::Text, QColor(235, 235, 235));
            palette.setColor(QPalette::Button, QColor(55, 55, 58));
            palette.setColor(QPalette::ButtonText, QColor(235, 235, 235));
            palette.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 130, 130));
            palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(130, 130, 130));
            palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(130, 130, 130));
            palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
            // No engraved look for disabled text on a dark ground.
            palette.setColor(QPalette::Disabled, QPalette::Light, Qt::transparent);
        }
        QApplication::setPalette(palette);
        const QString name = dark ? QStringLiteral("dark") : QStringLiteral("light");

        open();
        m_menu->menu()->popup(QPoint(10, 10));
        ASSERT_TRUE(pollUntil([&] { return m_menu->menu()->isVisible(); }));
        m_menu->menu()->setActiveAction(action(QStringLiteral("Settings\u2026")));
        processEventsFor(std::chrono::milliseconds(50));
        EXPECT_TRUE(
            m_menu->menu()->grab().save(folder + QStringLiteral("/menu-") + name + QStringLiteral(".png")));
        m_menu->menu()->hide();

        // The icons on a strip of panel, normal then paused, at 22 px and 2x.
        QImage strip(2 * (22 + 8) * 2 + 8, (22 + 8) * 2, QImage::Format_ARGB32);
        strip.fill(palette.color(QPalette::Window));
        QPainter painter(&strip);
        painter.drawPixmap(QPoint(8, 8), TrayIcon::trayIcon(false).pixmap(QSize(22, 22), 2));
        painter.drawPixmap(QPoint(8 + (22 + 8) * 2, 8), TrayIcon::trayIcon(true).pixmap(QSize(22, 22), 2));
        painter.end();
        EXPECT_TRUE(strip.save(folder + QStringLiteral("/icon-") + name + QStringLiteral(".png")));
    }
    QApplication::setPalette(original);
}

TEST_F(StatusMenuExportTest, TheExportedMenuIsCurrentBeforeAnyHostAsks)
{
    EXPECT_EQ(m_menu->trayIcon(), nullptr); // no second item beside Mirvale's own
    m_trayExport->show();
    EXPECT_EQ(m_trayExport->m_layouts, 1);
    EXPECT_EQ(m_trayExport->m_iconImages, std::size(TrayIcon::kTraySizes));

    // A burst of changes in one turn of the event loop: one new layout, sent without being asked.
    m_watcher->setCards({}, { mounted(QStringLiteral("R&D_CARD"), 1'000) });
    m_watcher->setCards(
        {}, { mounted(QStringLiteral("R&D_CARD"), 2'000), mounted(QStringLiteral("B"), 1'000) });
    processEventsFor(std::chrono::milliseconds(20));
    EXPECT_EQ(m_trayExport->m_layouts, 2);
    EXPECT_EQ(m_trayExport->labels().mid(2, 2),
        (QStringList { QStringLiteral("R&D__CARD \u2014 2 KB free"),
            QStringLiteral("    Unmount (keeps it in this menu)") }));

    // Same shape: only the changed entries, under the ids the host holds.
    const QList<TrayMenuEntry> before = m_trayExport->m_entries;
    m_watcher->setCards(
        {}, { mounted(QStringLiteral("R&D_CARD"), 3'000), mounted(QStringLiteral("B"), 1'000) });
    processEventsFor(std::chrono::milliseconds(20));
    EXPECT_EQ(m_trayExport->m_layouts, 2);
    ASSERT_EQ(m_trayExport->m_updated, (QList<QList<int>> { { before[2].id } }));

    // A click the host sends by id reaches the line.
    for (const TrayMenuEntry &entry : m_trayExport->m_entries) {
        if (entry.label == QLatin1String("Pause watching"))
            emit m_trayExport->entryClicked(entry.id);
    }
    processEventsFor(std::chrono::milliseconds(20));
    EXPECT_TRUE(m_rules.settings().paused);
    EXPECT_EQ(m_trayExport->m_updated.size(), 2);
    EXPECT_EQ(m_trayExport->m_layouts, 2);
}

TEST_F(StatusMenuInPseudoLanguageTest, EveryLineAsAHostReadsItIsTranslated)
{
    m_trayExport->show();
    m_updates.start();
    emit m_updateService.canCheckForUpdatesChanged(true);
    emit m_updateService.updateFound(QStringLiteral("2.3"));
    DetectedCard ejected = mounted(QStringLiteral("SD"), 0);
    ejected.isEjected = true;
    m_watcher->setCards({}, { mounted(QStringLiteral("EOS_DIGITAL"), 31'900'000'000), ejected });
    processEventsFor(std::chrono::milliseconds(20));
    QStringList labels = m_trayExport->labels();
    // Mirvale's name heads the menu as it is.
    labels.removeAll(QStringLiteral("Mirvale"));
    const QStringList untranslated = PseudoLanguage::untranslated(labels);
    EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join(QLatin1Char('\n')).toStdString();
    EXPECT_GT(labels.size(), 8);
}
