#include "ui/SettingsWindow.h"
#include "common/FakeCommandRunner.h"
#include "common/FakeFileManagerConnection.h"
#include "common/FakeFileManagerService.h"
#include "common/FakePointer.h"
#include "common/FakeVolumeWatcher.h"
#include "common/MemoryStateStore.h"
#include "common/PollUntil.h"
#include "common/PseudoLanguage.h"
#include "common/QtPrinters.h"
#include "common/RecordingLogger.h"
#include "detection/CardLineTitle.h"
#include "filemanager/FileManagerClient.h"
#include "filemanager/FileManagerErrors.h"
#include "platform/linux/FileManager1Connection.h"
#include "platform/linux/PosixFileAccess.h"
#include "rules/RulesFormat.h"
#include "rules/RulesStore.h"
#include "ui/BrowseCardPanel.h"
#include "ui/RuleEditorView.h"
#include "ui/RuleRowDelegate.h"
#include "ui/model/RuleEditorLogic.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

/// Whether the label shows all of its text, laid out as the label lays it out.
bool showsWholeText(const QLabel *label)
{
    if (!label->wordWrap())
        return label->sizeHint().width() <= label->width();
    // Its longest unbreakable piece fits across, and its lines fit down.
    return label->minimumSizeHint().width() <= label->width()
        && label->heightForWidth(label->width()) <= label->height();
}

class SettingsWindowTest : public ::testing::Test {
protected:
    SettingsWindowTest()
    {
        m_store.load();
        // Only the window's own behaviour: the hint has been shown before.
        AppSettings settings = m_store.settings();
        settings.firstRunHintShown = true;
        m_store.setSettings(settings);
        RuleList rules;
        for (const QString &name : { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") }) {
            Rule rule = Rule::makeNew();
            rule.name = name;
            rule.match = VolumeMatch::volumeName(QStringLiteral("CARD_") + name);
            rules.append(rule);
        }
        m_store.save(rules);
        SettingsWindow::Services services;
        services.store = &m_store;
        services.fileManager = &m_fileManager;
        services.pointer = &m_pointer;
        services.log = &m_log;
        services.cards = &m_cards;
        services.testRule = [this](const Rule &rule, const MountedCard &card) {
            m_tested.append({ rule, card });
        };
        m_window = std::make_unique<SettingsWindow>(services);
    }

    ~SettingsWindowTest() override
    {
        m_window.reset();
        m_store.waitForPendingWrites();
    }

    template <typename T> T *find(const QString &name) const
    {
        T *child = m_window->findChild<T *>(name);
        EXPECT_TRUE(child) << name.toStdString();
        return child;
    }

    /// The message box `name` that is up now, if any (answered ones may linger hidden).
    QMessageBox *visibleBox(const QString &name) const
    {
        for (QMessageBox *box : m_window->findChildren<QMessageBox *>(name)) {
            if (box->isVisible())
                return box;
        }
        return nullptr;
    }

    /// The message box `name` once it is up; then its button `button` is clicked.
    void answer(const QString &name, const QString &button)
    {
        QMessageBox *box = nullptr;
        ASSERT_TRUE(pollUntil([&] { return (box = visibleBox(name)) != nullptr; })) << name.toStdString();
        auto *push = box->findChild<QPushButton *>(button);
        ASSERT_TRUE(push) << button.toStdString();
        push->click();
        QCoreApplication::processEvents();
    }

    QFileDialog *fileDialog(const QString &name)
    {
        QFileDialog *dialog = nullptr;
        pollUntil([&] {
            dialog = m_window->findChild<QFileDialog *>(name);
            return dialog && dialog->isVisible();
        });
        return dialog;
    }

    /// Types `path` into the dialog's name field and presses Return, as a user would.
    static void choose(QFileDialog *dialog, const QString &path)
    {
        dialog->setDirectory(QFileInfo(path).absolutePath());
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_TRUE(name);
        name->setText(QFileInfo(path).fileName());
        QTest::keyClick(name, Qt::Key_Return);
    }

    void setRules(const RuleList &rules)
    {
        m_store.save(rules);
        AppSettings settings = m_store.settings();
        settings.extrasRevealed = true;
        m_store.setSettings(settings);
    }

    QStringList storedNames() const
    {
        QStringList names;
        for (const Rule &rule : m_store.rules())
            names.append(rule.name);
        return names;
    }

    QTemporaryDir m_temp;
    RecordingLogger m_log;
    RulesStore m_store { m_temp.path() + QStringLiteral("/Mirvale"), m_log,
        std::make_shared<PosixFileAccess>() };
    FakeFileManagerService m_fileManager;
    FakePointer m_pointer;
    FakeVolumeWatcher m_cards { [](const MountedCard &) {} };
    QList<std::pair<Rule, MountedCard>> m_tested;
    std::unique_ptr<SettingsWindow> m_window;

    /// Every text the window and its parts show (the file manager's answers as the panel puts
    /// them, too); `logLines` gets what was logged meanwhile.
    QStringList shownTexts(QStringList &logLines)
    {
        QStringList texts { m_window->windowTitle() };
        for (const QWidget *widget : m_window->findChildren<QWidget *>()) {
            texts << widget->windowTitle() << widget->toolTip() << widget->accessibleName()
                  << widget->accessibleDescription();
            if (const auto *label = qobject_cast<const QLabel *>(widget))
                texts << label->text();
            if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
                texts << button->text();
            if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
                texts << edit->placeholderText();
        }
        for (const QAction *action : m_window->findChildren<QAction *>())
            texts << action->text();
        for (const auto state : { FileManagerStatus::State::NotChecked, FileManagerStatus::State::Checking,
                 FileManagerStatus::State::Allowed, FileManagerStatus::State::NotAllowed })
            texts << FileManagerStatus { state, {} }.text();
        DetectedCard ejected;
        ejected.name = QStringLiteral("SD");
        ejected.isEjected = true;
        texts << CardLineTitle::title(ejected) << RuleEditorLogic::captureFailedTitle()
              << RuleEditorLogic::captureFailedText() << FileManagerErrors::noFileManagerMessage();

        // Each way the file manager can answer, as the panel and the log put it.
        FakeFileManagerConnection connection;
        RecordingLogger log;
        {
            FileManagerClient controller(connection, log,
                FileManagerClient::Limits { std::chrono::seconds(10), std::chrono::seconds(10),
                    std::chrono::seconds(10), std::chrono::milliseconds(1) });
            for (const char *name : { "org.freedesktop.DBus.Error.ServiceUnknown",
                     "org.freedesktop.DBus.Error.AccessDenied", "org.freedesktop.DBus.Error.NoReply",
                     "org.freedesktop.DBus.Error.FileNotFound", "org.freedesktop.DBus.Error.Failed" }) {
                connection.setDefault(
                    { FileManager1Connection::failureFromDBusError(QLatin1String(name), QStringLiteral("no")),
                        false });
                std::optional<std::optional<MirvaleError>> answer;
                controller.open(QUrl::fromLocalFile(QDir::tempPath()), std::nullopt, false, std::nullopt,
                    [&answer](std::optional<MirvaleError> error) { answer = error; });
                EXPECT_TRUE(pollUntil([&] { return answer.has_value(); }));
                texts << (*answer ? (*answer)->description() : QString());
            }
            connection.setDefault(FakeFileManagerConnection::succeed());
            controller.open(
                QUrl::fromLocalFile(QDir::tempPath()), std::nullopt, true, std::nullopt, [](auto) {});
            EXPECT_TRUE(
                pollUntil([&] { return log.lines().join(QString()).contains(QStringLiteral("fallback")); }));
        }
        for (const MirvaleError &error :
            { MirvaleError::fileManagerError(QStringLiteral("x")), MirvaleError::fileManagerTimeout(),
                MirvaleError::fileManagerAccessDenied(), MirvaleError::fileManagerCheckPending() })
            texts << error.description();
        logLines = log.lines() << RuleEditorLogic::captureFailedLogLine();
        return texts;
    }
};

/// The window built in a language whose every translated text reads "[[source]]".
class SettingsWindowInPseudoLanguageTest : public SettingsWindowTest {
public:
    static void SetUpTestSuite() { ASSERT_TRUE(PseudoLanguage::install()); }
    static void TearDownTestSuite() { PseudoLanguage::uninstall(); }
};

TEST_F(SettingsWindowTest, TheEditorFitsItsPaneAndTheWheelOnlyScrollsIt)
{
    Rule full = Rule::makeNew();
    full.match = VolumeMatch::volumeName(QStringLiteral("EOS_DIGITAL"));
    full.subfolder = Subfolder::custom(QStringLiteral("DCIM/100CANON"));
    full.placement = Placement { 120, 80, 1200, 760 };
    full.extras.mouseWarp = MousePoint { 640, 400 };
    setRules({ full });
    m_window->show(false);
    auto *scroll = find<QScrollArea>(QStringLiteral("scrollView"));
    for (const QSize size : { SettingsWindow::kSize, SettingsWindow::kMinimumSize }) {
        m_window->resize(size);
        ASSERT_TRUE(pollUntil([&] { return m_window->size() == size; }));
        const QWidget *viewport = scroll->viewport();
        EXPECT_LE(scroll->widget()->width(), viewport->width()) << size.width();
        const QWidget *save = find<QWidget>(QStringLiteral("saveButton")); // in view; the panes scroll
        EXPECT_TRUE(m_window->rect().contains(QRect(save->mapTo(m_window.get(), QPoint()), save->size())));
        for (const QWidget *child : scroll->widget()->findChildren<QWidget *>()) {
            const bool titled
                = qobject_cast<const QComboBox *>(child) || qobject_cast<const QPushButton *>(child);
            if (child->isVisibleTo(scroll)) {
                EXPECT_LE(child->mapTo(viewport, QPoint(child->width(), 0)).x(), viewport->width())
                    << child->objectName().toStdString() << " at " << size.width();
                EXPECT_TRUE(!titled || child->width() >= child->sizeHint().width())
                    << child->objectName().toStdString();
            }
        }
    }

    // The wheel over the folder menu or a number field, not focused, leaves the rule as it is.
    for (QWidget *under :
        { find<QWidget>(QStringLiteral("folderPresetPopup")), find<QWidget>(QStringLiteral("widthField")) }) {
        const QPointF at = QPointF(under->rect().center());
        QWheelEvent wheel(
            at, under->mapToGlobal(at), {}, { 0, 120 }, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(under, &wheel);
    }
    EXPECT_EQ(find<RuleEditorView>(QStringLiteral("ruleEditor"))->rule(), m_store.rules().first());
    EXPECT_FALSE(find<QPushButton>(QStringLiteral("saveButton"))->isEnabled());
}

TEST_F(SettingsWindowTest, ValidationShowsTwoWholeLinesAndTheListStaysPut)
{
    // Four rules for one card and folder: three warnings; enough rows to scroll the list.
    RuleList rules;
    for (int index = 0; index < 8; ++index) {
        Rule rule = Rule::makeNew();
        rule.name = QStringLiteral("Camera card with a long descriptive name %1").arg(index);
        rule.match = VolumeMatch::volumeName(QStringLiteral("CARD_%1").arg(index < 4 ? 0 : index));
        rules.append(rule);
    }
    setRules(rules);
    m_window->show(false);
    auto *label = find<QLabel>(QStringLiteral("validationLabel"));
    EXPECT_TRUE(label->isVisible());
    EXPECT_TRUE(label->text().endsWith(QStringLiteral("(+2 more warnings)"))) << label->text().toStdString();
    EXPECT_TRUE(showsWholeText(label)) << label->text().toStdString();

    // A rule added at the end appears whole, though the validation line changes under the list.
    for (int removed = 0; removed < 3; ++removed)
        find<QAbstractButton>(QStringLiteral("removeButton"))->click();
    auto *table = find<QAbstractItemView>(QStringLiteral("ruleTable"));
    table->scrollToTop();
    const int listHeight = table->viewport()->height();
    find<QAbstractButton>(QStringLiteral("addButton"))->click();
    processEventsFor(std::chrono::milliseconds(50));
    EXPECT_EQ(label->text(), QStringLiteral("New rule: card name cannot be empty."));
    EXPECT_EQ(table->viewport()->height(), listHeight);
    const QRect last = table->visualRect(table->model()->index(table->model()->rowCount() - 1, 0));
    EXPECT_TRUE(table->viewport()->rect().contains(last)) << last.top() << "-" << last.bottom();
}

TEST_F(SettingsWindowTest, AFailedImportSaysWhatFailedInFull)
{
    m_window->show(false);
    const struct {
        QByteArray content;
        QString detail;
        QString name = QStringLiteral("exp2.json");
    } cases[] = {
        { "[x", QStringLiteral("The file is not valid JSON (line 1, column 2).") },
        { R"([{"enabled": "yes", "name": "a very long rule name that makes the detail wrap"}])",
            QStringLiteral("Rule 1, \u201cenabled\u201d: expected a boolean but found a string.") },
        // No space to wrap at; copying the alert still gives the name as it is.
        { "[x", QStringLiteral("The file is not valid JSON (line 1, column 2)."),
            QStringLiteral("EOS_DIGITAL_").repeated(20) + QStringLiteral(".json") },
    };
    for (const auto &c : cases) {
        const QString path = m_temp.path() + QLatin1Char('/') + c.name;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.content);
        file.close();
        find<QPushButton>(QStringLiteral("importButton"))->click();
        answer(QStringLiteral("importChoiceQuestion"), QStringLiteral("appendChoice"));
        QFileDialog *open = fileDialog(QStringLiteral("importFileDialog"));
        ASSERT_TRUE(open);
        choose(open, path);
        QMessageBox *alert = nullptr;
        ASSERT_TRUE(pollUntil([&] { return (alert = visibleBox(QStringLiteral("transferErrorAlert"))); }));
        processEventsFor(std::chrono::milliseconds(20));
        const QString title = QStringLiteral("Couldn\u2019t import \u201c%1\u201d").arg(c.name);
        QTest::keySequence(alert, QKeySequence::Copy);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), title + QStringLiteral("\n\n") + c.detail);
        for (const QLabel *label : alert->findChildren<QLabel *>()) {
            if (!label->text().isEmpty()) {
                EXPECT_TRUE(showsWholeText(label)) << label->text().toStdString();
            }
        }
        answer(QStringLiteral("transferErrorAlert"), QStringLiteral("okButton"));
    }
    EXPECT_EQ(storedNames().size(), 3);
}

TEST_F(SettingsWindowTest, AFailedSaveShowsInTheWindowAndKeepsTheEdits)
{
    m_window->show(false);
    // A folder where rules.json should be: the write fails, even for root.
    const QString rulesPath = m_temp.path() + QStringLiteral("/Mirvale/rules.json");
    ASSERT_TRUE(QFile::remove(rulesPath));
    ASSERT_TRUE(QDir().mkpath(rulesPath + QStringLiteral("/occupied")));
    find<QAbstractButton>(QStringLiteral("removeButton"))->click();
    find<QPushButton>(QStringLiteral("saveButton"))->click();
    auto *label = find<QLabel>(QStringLiteral("validationLabel"));
    EXPECT_TRUE(label->isVisible());
    EXPECT_TRUE(label->text().startsWith(QStringLiteral("Rules not saved: "))) << label->text().toStdString();
    EXPECT_EQ(find<QAbstractItemView>(QStringLiteral("ruleTable"))->model()->rowCount(), 2);
    EXPECT_TRUE(find<QPushButton>(QStringLiteral("saveButton"))->isEnabled());

    label->clear();
    m_window->close();
    answer(QStringLiteral("closeQuestion"), QStringLiteral("saveChoice"));
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_TRUE(label->text().startsWith(QStringLiteral("Rules not saved: ")));
    EXPECT_EQ(find<QAbstractItemView>(QStringLiteral("ruleTable"))->model()->rowCount(), 2);
    EXPECT_EQ(m_store.rules().size(), 3);
}

TEST_F(SettingsWindowTest, OpensAtItsSizeWithTheSavedRules)
{
    m_window->show(false);
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Mirvale Settings"));
    EXPECT_EQ(m_window->size(), QSize(980, 620));
    EXPECT_EQ(m_window->minimumSize(), QSize(780, 400));
    auto *table = find<QAbstractItemView>(QStringLiteral("ruleTable"));
    EXPECT_EQ(table->model()->rowCount(), 3);
    EXPECT_EQ(table->selectionModel()->selectedRows().value(0).row(), 0);
    EXPECT_EQ(find<RuleEditorView>(QStringLiteral("ruleEditor"))->rule()->name, QStringLiteral("A"));
    auto *save = find<QPushButton>(QStringLiteral("saveButton"));
    EXPECT_EQ(save->text(), QStringLiteral("Saved"));
    EXPECT_FALSE(save->isEnabled());
    EXPECT_FALSE(find<QLabel>(QStringLiteral("validationLabel"))->isVisible());
    EXPECT_EQ(
        find<QAbstractButton>(QStringLiteral("addButton"))->accessibleName(), QStringLiteral("Add rule"));
    EXPECT_EQ(
        find<QPushButton>(QStringLiteral("testPopup"))->text(), QStringLiteral("&Test rule on card\u2026"));
    EXPECT_FALSE(find<QPushButton>(QStringLiteral("testPopup"))->isEnabled());
    // The drawn check box of a row is named for its rule.
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(table);
    QAccessibleInterface *cell
        = list && list->tableInterface() ? list->tableInterface()->cellAt(1, 0) : nullptr;
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("Enabled: B"));
    EXPECT_TRUE(cell->state().checkable && cell->state().checked);

    auto *status = find<QLabel>(QStringLiteral("fileManagerStatusLabel"));
    EXPECT_EQ(status->text(), QStringLiteral("File manager: Checking\u2026"));
    EXPECT_TRUE(pollUntil([&] { return status->text() == QStringLiteral("File manager: found"); }));
}

TEST_F(SettingsWindowTest, ButtonsEditTheListAndSaveStoresIt)
{
    m_window->show(false);
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get())); // for the Ctrl+S shortcut
    auto *table = find<QAbstractItemView>(QStringLiteral("ruleTable"));
    auto *save = find<QPushButton>(QStringLiteral("saveButton"));
    find<QAbstractButton>(QStringLiteral("downButton"))->click();
    find<QAbstractButton>(QStringLiteral("removeButton"))->click();
    EXPECT_EQ(table->model()->rowCount(), 2);
    EXPECT_EQ(find<RuleEditorView>(QStringLiteral("ruleEditor"))->rule()->name, QStringLiteral("C"));
    EXPECT_EQ(save->text(), QStringLiteral("&Save"));
    EXPECT_TRUE(save->isEnabled());

    // The checkbox of the first row, clicked where the row draws it.
    const QRect row = table->visualRect(table->model()->index(0, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, RuleRowDelegate::checkboxRect(row).center());
    QTest::keyClick(m_window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(storedNames(), QStringList({ QStringLiteral("B"), QStringLiteral("C") }));
    EXPECT_FALSE(m_store.rules().at(0).enabled);
    EXPECT_EQ(save->text(), QStringLiteral("Saved"));
    auto *label = find<QLabel>(QStringLiteral("validationLabel"));
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), QStringLiteral("Saved. Rules take effect on the next card insert."));
}

// The keyboard's commands, each from where a user gives it; Tab's order is the bus test's.
TEST_F(SettingsWindowTest, KeyboardCommandsActWhereTheyAreGiven)
{
    m_window->show(false);
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    auto *table = find<QAbstractItemView>(QStringLiteral("ruleTable"));
    auto *name = find<QLineEdit>(QStringLiteral("nameField"));
    const struct {
        QWidget *from;
        QKeyCombination key;
        const char *names; ///< the working rules, then the stored ones
    } commands[] = {
        { table, Qt::ALT | Qt::Key_Down, "B,A,C A,B,C" },
        { table, Qt::ALT | Qt::Key_Up, "A,B,C A,B,C" },
        { table, QKeyCombination(Qt::Key_Delete), "B,C A,B,C" },
        { name, QKeyCombination(Qt::Key_Delete), "B,C A,B,C" },
        { name, QKeyCombination(Qt::Key_Return), "B,C A,B,C" },
        { name, Qt::CTRL | Qt::Key_S, "B,C B,C" },
        { table, Qt::CTRL | Qt::Key_N, "B,C,New rule B,C" },
    };
    for (const auto &command : commands) {
        command.from->setFocus();
        QTest::keyClick(command.from, command.key.key(), command.key.keyboardModifiers());
        QStringList names;
        for (const Rule &rule : m_window->model().workingRules())
            names.append(rule.name);
        EXPECT_EQ(names.join(u',') + u' ' + storedNames().join(u','), QLatin1String(command.names));
    }
    QTest::keyClick(table, Qt::Key_Escape); // closes, asking first about the new rule
    answer(QStringLiteral("closeQuestion"), QStringLiteral("dontSaveChoice"));
    EXPECT_TRUE(pollUntil([&] { return !m_window->isVisible(); }));
}

TEST_F(SettingsWindowTest, ARefusedSaveListsTheErrorsInASheet)
{
    m_window->show(false);
    find<QAbstractButton>(QStringLiteral("addButton"))->click(); // a new rule has no card name yet
    auto *label = find<QLabel>(QStringLiteral("validationLabel"));
    EXPECT_EQ(label->text(), QStringLiteral("New rule: card name cannot be empty."));
    find<QPushButton>(QStringLiteral("saveButton"))->click();
    auto *box = visibleBox(QStringLiteral("saveRefusedAlert"));
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text(), QStringLiteral("Can\u2019t Save Rules"));
    EXPECT_EQ(box->informativeText(), QStringLiteral("New rule: card name cannot be empty."));
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    answer(QStringLiteral("saveRefusedAlert"), QStringLiteral("okButton"));
    EXPECT_EQ(m_store.rules().size(), 3);
}

TEST_F(SettingsWindowTest, GeneralCheckboxesChangeTheSettingsAtOnce)
{
    m_window->show(false);
    find<QCheckBox>(QStringLiteral("handleAtLaunchCheckbox"))->click();
    find<QCheckBox>(QStringLiteral("showPanelsCheckbox"))->click();
    find<QCheckBox>(QStringLiteral("showUnmountCheckbox"))->click();
    find<QCheckBox>(QStringLiteral("mountInsertedCheckbox"))->click();
    auto *reportWith = find<QComboBox>(QStringLiteral("reportWithCombo"));
    EXPECT_EQ(reportWith->currentText(), QStringLiteral("Mirvale's panels"));
    reportWith->setCurrentIndex(1);
    emit reportWith->activated(1);
    const AppSettings settings = m_store.settings();
    EXPECT_TRUE(settings.handleCardsPresentAtLaunch);
    EXPECT_TRUE(settings.showNotifications);
    EXPECT_FALSE(settings.showUnmountItems);
    EXPECT_FALSE(settings.mountInsertedCards);
    EXPECT_EQ(settings.reportWith, ReportMedium::Desktop);
}

TEST_F(SettingsWindowTest, ImportAndExportThroughTheirSheets)
{
    m_window->show(false);
    Rule imported = Rule::makeNew();
    imported.name = QStringLiteral("D");
    imported.match = VolumeMatch::volumeName(QStringLiteral("CARD_D"));
    const QString importPath = m_temp.path() + QStringLiteral("/in.json");
    QFile in(importPath);
    ASSERT_TRUE(in.open(QIODevice::WriteOnly));
    in.write(RulesFormat::encodeRules({ imported }));
    in.close();

    find<QPushButton>(QStringLiteral("importButton"))->click();
    answer(QStringLiteral("importChoiceQuestion"), QStringLiteral("appendChoice"));
    QFileDialog *open = fileDialog(QStringLiteral("importFileDialog"));
    ASSERT_TRUE(open);
    EXPECT_EQ(open->windowModality(), Qt::WindowModal);
    choose(open, importPath);
    EXPECT_TRUE(pollUntil([&] { return storedNames().size() == 4; }));
    EXPECT_EQ(find<QAbstractItemView>(QStringLiteral("ruleTable"))->model()->rowCount(), 4);

    find<QPushButton>(QStringLiteral("exportButton"))->click();
    QFileDialog *save = fileDialog(QStringLiteral("exportFileDialog"));
    ASSERT_TRUE(save);
    const QString exportPath = m_temp.path() + QStringLiteral("/out.json");
    choose(save, exportPath);
    ASSERT_TRUE(pollUntil([&] { return QFile::exists(exportPath); }));
    QFile out(exportPath);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(RulesFormat::decodeRules(out.readAll()), m_store.rules());
}

TEST_F(SettingsWindowTest, ClosingWithUnsavedWorkAsksFirst)
{
    m_window->show(false);
    find<QAbstractButton>(QStringLiteral("removeButton"))->click();
    m_window->close();
    EXPECT_TRUE(m_window->isVisible());
    auto *box = visibleBox(QStringLiteral("closeQuestion"));
    ASSERT_TRUE(box);
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(box->text(), QStringLiteral("Save changes to your rules?"));
    EXPECT_EQ(box->informativeText(), QStringLiteral("You have unsaved changes to Mirvale\u2019s rules."));
    answer(QStringLiteral("closeQuestion"), QStringLiteral("cancelChoice"));
    EXPECT_TRUE(m_window->isVisible());

    m_window->close();
    answer(QStringLiteral("closeQuestion"), QStringLiteral("dontSaveChoice"));
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(m_store.rules().size(), 3);

    // Shown again, the window starts from the saved rules.
    m_window->show(false);
    EXPECT_EQ(find<QAbstractItemView>(QStringLiteral("ruleTable"))->model()->rowCount(), 3);
    m_window->close();
    EXPECT_FALSE(m_window->isVisible());
}

TEST_F(SettingsWindowTest, TheTestMenuListsTheCardsAndTestsTheSelectedRule)
{
    m_window->show(false);
    MountedCard card;
    card.url = QUrl::fromLocalFile(QStringLiteral("/media/me/R&D"));
    card.name = QStringLiteral("R&D");
    m_cards.setCards({ card }, {});
    auto *popup = find<QPushButton>(QStringLiteral("testPopup"));
    EXPECT_TRUE(popup->isEnabled());
    ASSERT_EQ(popup->menu()->actions().size(), 1);
    EXPECT_EQ(popup->menu()->actions().at(0)->text(), QStringLiteral("R&&D"));
    popup->menu()->actions().at(0)->trigger();
    ASSERT_EQ(m_tested.size(), 1);
    EXPECT_EQ(m_tested.at(0).first.name, QStringLiteral("A"));
    EXPECT_EQ(m_tested.at(0).second, card);
}

TEST_F(SettingsWindowTest, TheFirstRunHintComesOnce)
{
    AppSettings settings = m_store.settings();
    settings.firstRunHintShown = false;
    m_store.setSettings(settings);
    m_window->show(false);
    auto *hint = find<QWidget>(QStringLiteral("firstRunHint")); // in the window, not a window
    EXPECT_TRUE(hint->isVisible() && !visibleBox(QStringLiteral("firstRunHint")));
    hint->findChild<QPushButton *>(QStringLiteral("gotItButton"))->click();
    EXPECT_FALSE(hint->isVisible());
    m_window->close();
    m_window->show(false);
    processEventsFor(std::chrono::milliseconds(50));
    EXPECT_FALSE(hint->isVisible());
    EXPECT_TRUE(m_store.settings().firstRunHintShown);
}

TEST_F(SettingsWindowTest, WhereTheDesktopsSettingIsReadTheCameraCardsLineTakesTheHintsPlace)
{
    AppSettings settings = m_store.settings();
    settings.firstRunHintShown = false;
    m_store.setSettings(settings);
    FakeCommandRunner commands;
    commands.scriptLine(QStringLiteral("gsettings get org.mate.media-handling autorun-never"),
        FakeCommandRunner::exited(0, QStringLiteral("false")));
    MemoryStateStore state;
    const DesktopMediaHandling::Runner now = [](std::function<void()> work) { work(); };
    DesktopMediaHandling handling(
        { &commands, &state, &m_log, now, now }, QStringLiteral("org.mate.media-handling"));
    m_window = std::make_unique<SettingsWindow>(SettingsWindow::Services {
        &m_store, &m_fileManager, &m_pointer, &m_log, nullptr, &m_cards, {}, &handling });
    m_window->show(false);
    processEventsFor(std::chrono::milliseconds(50));
    EXPECT_FALSE(visibleBox(QStringLiteral("firstRunHint")));
    auto *button = find<QPushButton>(QStringLiteral("cameraCardsButton"));
    EXPECT_TRUE(button->isVisible() && button->accessibleName() == QStringLiteral("Let Mirvale open them"));
    button->click();
    EXPECT_TRUE(commands.commandLines().at(8).endsWith(QStringLiteral("ignore ['x-content/image-dcf']")));
    EXPECT_EQ(button->text(), QStringLiteral("Let the desktop open them"));

    // Xfce's switch covers every medium: no camera cards line, the hint points at its settings.
    for (const char *line : { "thunar -p /misc-volume-management", "thunar-volman -p /autobrowse/enabled" })
        commands.scriptLine(QStringLiteral("xfconf-query -c ") + QLatin1String(line),
            FakeCommandRunner::exited(0, QStringLiteral("true")));
    DesktopMediaHandling xfce({ &commands, &state, &m_log, now, now }, DesktopMediaHandling::kThunarVolman);
    m_window = std::make_unique<SettingsWindow>(SettingsWindow::Services {
        &m_store, &m_fileManager, &m_pointer, &m_log, nullptr, &m_cards, {}, &xfce });
    m_window->show(false);
    processEventsFor(std::chrono::milliseconds(50));
    EXPECT_FALSE(find<QPushButton>(QStringLiteral("cameraCardsButton"))->isVisible());
    EXPECT_TRUE(find<QWidget>(QStringLiteral("firstRunHint"))->isVisible());
}

// Nothing a user reads names another platform's programs: the window, its dialogs, the
// panels' error texts and the file manager's log lines for every way a call can end.
// A text that skips translation shows without the markers; the log stays English.
TEST_F(SettingsWindowInPseudoLanguageTest, EveryTextIsTranslatedAndTheLogStaysEnglish)
{
    QStringList logLines;
    const QStringList texts = shownTexts(logLines);
    const QStringList untranslated = PseudoLanguage::untranslated(texts);
    EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join(QLatin1Char('\n')).toStdString();
    for (const QString &line : logLines)
        EXPECT_FALSE(line.contains(QLatin1String("[["))) << line.toStdString();
    EXPECT_GT(texts.size(), 40);
}

TEST_F(SettingsWindowTest, EveryTextSpeaksLinux)
{
    QStringList logLines;
    QStringList texts = shownTexts(logLines);
    texts << logLines;

    const QRegularExpression foreign(
        QStringLiteral("Finder|AppleScript|DiskArbitration|diskutil|System Settings|Privacy & Security"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QString &text : texts)
        EXPECT_FALSE(foreign.match(text).hasMatch()) << text.toStdString();
    EXPECT_GT(texts.size(), 40);
}

} // namespace
