#include "SettingsModelFixture.h"

#include "common/PollUntil.h"
#include "platform/linux/PosixFileAccess.h"

#include <QDir>
#include <QSignalSpy>

namespace {

using SaveChoice = SettingsPrompts::SaveChoice;

class SettingsWindowModelTest : public SettingsModelFixture {
protected:
    RuleList abc() const
    {
        return { named(QStringLiteral("A"), QStringLiteral("CARD_A")),
            named(QStringLiteral("B"), QStringLiteral("CARD_B")),
            named(QStringLiteral("C"), QStringLiteral("CARD_C")) };
    }
};

TEST_F(SettingsWindowModelTest, ShowingLoadsTheSavedRulesAndSelectsTheFirst)
{
    showWith(abc());
    EXPECT_EQ(names(), QStringList({ QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") }));
    EXPECT_EQ(m_model->selectedRow(), 0);
    ASSERT_TRUE(m_model->editorRule());
    EXPECT_EQ(m_model->editorRule()->name, QStringLiteral("A"));
    EXPECT_FALSE(m_model->isDirty());
    EXPECT_EQ(m_model->saveTitle(), QStringLiteral("Saved"));
    EXPECT_FALSE(m_model->validation().isVisible());
}

TEST_F(SettingsWindowModelTest, AnEmptyListSelectsNothing)
{
    showWith({});
    EXPECT_EQ(m_model->selectedRow(), -1);
    EXPECT_FALSE(m_model->editorRule());
    m_model->removeRule();
    m_model->moveRuleUp();
    m_model->moveRuleDown();
    EXPECT_TRUE(m_model->workingRules().isEmpty());
}

TEST_F(SettingsWindowModelTest, ListCommandsKeepTheSelectionWhereThePartPutsIt)
{
    const struct {
        const char *name;
        int selectBefore;
        std::function<void(SettingsWindowModel &)> command;
        QStringList order;
        int selectedAfter;
        bool dirty = true;
    } cases[] = {
        { "add", 1, &SettingsWindowModel::addRule,
            { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("New rule") },
            3 },
        { "remove middle", 1, &SettingsWindowModel::removeRule, { QStringLiteral("A"), QStringLiteral("C") },
            1 },
        { "remove last", 2, &SettingsWindowModel::removeRule, { QStringLiteral("A"), QStringLiteral("B") },
            1 },
        { "remove without selection", -1, &SettingsWindowModel::removeRule,
            { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") }, -1, false },
        { "up", 1, &SettingsWindowModel::moveRuleUp,
            { QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("C") }, 0 },
        { "up on the first", 0, &SettingsWindowModel::moveRuleUp,
            { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") }, 0, false },
        { "down", 1, &SettingsWindowModel::moveRuleDown,
            { QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("B") }, 2 },
        { "down on the last", 2, &SettingsWindowModel::moveRuleDown,
            { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") }, 2, false },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        showWith(abc());
        m_model->selectRow(c.selectBefore);
        c.command(*m_model);
        EXPECT_EQ(names(), c.order);
        EXPECT_EQ(m_model->selectedRow(), c.selectedAfter);
        const std::optional<Rule> shown = m_model->editorRule();
        EXPECT_EQ(shown.has_value(), c.selectedAfter >= 0);
        if (shown) {
            EXPECT_EQ(shown->name, c.order.at(c.selectedAfter));
        }
        EXPECT_EQ(m_model->isDirty(), c.dirty);
        EXPECT_EQ(m_model->saveTitle(), c.dirty ? QStringLiteral("Save") : QStringLiteral("Saved"));
    }
}

TEST_F(SettingsWindowModelTest, RemovingTheOnlyRuleEmptiesTheEditor)
{
    showWith({ named(QStringLiteral("A"), QStringLiteral("CARD_A")) });
    QSignalSpy editor(m_model.get(), &SettingsWindowModel::editorRuleChanged);
    m_model->removeRule();
    EXPECT_EQ(m_model->selectedRow(), -1);
    EXPECT_FALSE(m_model->editorRule());
    EXPECT_EQ(editor.size(), 1);
    EXPECT_EQ(m_model->saveTitle(), QStringLiteral("Save"));
}

TEST_F(SettingsWindowModelTest, TogglingReloadsTheEditorOnlyForTheSelectedRow)
{
    showWith(abc());
    QSignalSpy editor(m_model.get(), &SettingsWindowModel::editorRuleChanged);
    m_model->setRuleEnabled(2, false);
    EXPECT_FALSE(m_model->workingRules().at(2).enabled);
    EXPECT_EQ(editor.size(), 0);
    EXPECT_TRUE(m_model->isDirty());

    m_model->setRuleEnabled(0, false);
    EXPECT_EQ(editor.size(), 1);
    EXPECT_FALSE(m_model->editorRule()->enabled);
}

TEST_F(SettingsWindowModelTest, EditorChangesReplaceTheRuleWithTheSameId)
{
    showWith(abc());
    QSignalSpy editor(m_model.get(), &SettingsWindowModel::editorRuleChanged);
    Rule edited = *m_model->editorRule();
    edited.name = QString();
    m_model->editorChanged(edited);
    EXPECT_EQ(m_model->workingRules().at(0).name, QString());
    EXPECT_EQ(editor.size(), 0); // the editor already shows its own edit
    EXPECT_EQ(m_model->validation().text, QStringLiteral("Untitled rule: rule name cannot be empty."));
    EXPECT_EQ(m_model->validation().tone, Tone::Error);

    m_model->editorChanged(named(QStringLiteral("stranger"), QStringLiteral("X")));
    EXPECT_EQ(m_model->workingRules().size(), 3);
}

TEST_F(SettingsWindowModelTest, ValidationCountsTheErrorsOfTheWorkingCopy)
{
    showWith(abc());
    RuleList broken = m_model->workingRules();
    for (int count = 1; count <= 3; ++count) {
        Rule rule = broken.at(count - 1);
        rule.match = VolumeMatch::volumeName(QStringLiteral("  "));
        m_model->editorChanged(rule);
    }
    EXPECT_EQ(m_model->validation().text, QStringLiteral("A: card name cannot be empty. (+2 more errors)"));
    Rule fixed = m_model->workingRules().at(2);
    fixed.match = VolumeMatch::volumeName(QStringLiteral("CARD_C"));
    m_model->editorChanged(fixed);
    EXPECT_EQ(m_model->validation().text, QStringLiteral("A: card name cannot be empty. (+1 more error)"));
}

TEST_F(SettingsWindowModelTest, SaveIsRefusedWithTheErrorsListed)
{
    showWith(abc());
    const RuleList saved = m_store->rules();
    const QByteArray before = [&] {
        QFile f(folder() + QStringLiteral("/rules.json"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    Rule a = m_model->workingRules().at(0);
    a.name = QStringLiteral(" ");
    m_model->editorChanged(a);
    Rule b = m_model->workingRules().at(1);
    b.subfolder = Subfolder::custom(QStringLiteral("/abs"));
    m_model->editorChanged(b);

    EXPECT_FALSE(m_model->trySave());
    ASSERT_EQ(m_prompts.refusals.size(), 1);
    EXPECT_EQ(m_prompts.refusals.at(0),
        QStringList({ QStringLiteral("Untitled rule: rule name cannot be empty."),
            QStringLiteral("B: custom folder path must be relative to the card, not absolute.") }));
    EXPECT_EQ(m_model->validation().text,
        QStringLiteral("Untitled rule: rule name cannot be empty. (+1 more error)"));
    EXPECT_TRUE(m_model->isDirty());
    EXPECT_EQ(m_store->rules(), saved);
    QFile after(folder() + QStringLiteral("/rules.json"));
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
    EXPECT_FALSE(m_log.contains(QStringLiteral("[INFO] Saved 3 rule(s)")));
}

TEST_F(SettingsWindowModelTest, SavingShowsSavedOrTheRemainingWarning)
{
    showWith(abc());
    m_model->addRule();
    Rule added = *m_model->editorRule();
    added.match = VolumeMatch::volumeName(QStringLiteral("CARD_D"));
    m_model->editorChanged(added);
    ASSERT_TRUE(m_model->trySave());
    EXPECT_EQ(m_model->validation(), ValidationDisplay::saved());
    EXPECT_EQ(m_model->saveTitle(), QStringLiteral("Saved"));
    EXPECT_TRUE(m_log.contains(QStringLiteral("[INFO] Saved 4 rule(s)")));
    EXPECT_EQ(m_store->rules(), m_model->workingRules());

    // A duplicate of A only warns: it saves, and the warning stays in view.
    m_model->addRule();
    Rule twin = *m_model->editorRule();
    twin.match = VolumeMatch::volumeName(QStringLiteral("CARD_A"));
    m_model->editorChanged(twin);
    ASSERT_TRUE(m_model->trySave());
    EXPECT_EQ(m_model->validation().tone, Tone::Warning);
    EXPECT_EQ(m_model->validation().text,
        QStringLiteral("\"New rule\" matches the same card and folder as \"A\"."));
}

TEST_F(SettingsWindowModelTest, AFailedWriteIsLoggedWithoutAnAlert)
{
    showWith(abc());
    m_model->addRule();
    Rule added = *m_model->editorRule();
    added.match = VolumeMatch::volumeName(QStringLiteral("CARD_D"));
    m_model->editorChanged(added);
    // A folder where the file should be: the atomic replace cannot succeed.
    QFile::remove(folder() + QStringLiteral("/rules.json"));
    ASSERT_TRUE(QDir().mkpath(folder() + QStringLiteral("/rules.json/blocker")));

    EXPECT_FALSE(m_model->trySave());
    ASSERT_EQ(m_log.lines().size(), 1);
    EXPECT_TRUE(m_log.lines().at(0).startsWith(QStringLiteral("[ERROR] Save failed: ")))
        << m_log.lines().at(0).toStdString();
    EXPECT_TRUE(m_prompts.asked.isEmpty());
    EXPECT_TRUE(m_model->isDirty());
}

TEST_F(SettingsWindowModelTest, TheCloseQuestionsThreeAnswers)
{
    const struct {
        const char *name;
        SaveChoice choice;
        bool closes;
        bool saved;
    } cases[] = {
        { "save", SaveChoice::Save, true, true },
        { "don't save", SaveChoice::Discard, true, false },
        { "cancel", SaveChoice::Cancel, false, false },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        m_prompts = ScriptedPrompts();
        showWith(abc());
        m_model->removeRule();
        int closed = 0;
        m_model->requestClose([&closed] { ++closed; });
        EXPECT_EQ(m_prompts.asked, QStringList { QStringLiteral("saveBeforeClosing") });
        EXPECT_EQ(closed, 0); // nothing happens before the answer
        m_prompts.pendingClose(c.choice);
        EXPECT_EQ(closed, c.closes ? 1 : 0);
        EXPECT_EQ(m_store->rules().size(), c.saved ? 2 : 3);
        EXPECT_EQ(m_model->isDirty(), !c.saved);

        // Shown again after closing, the window starts from the saved rules; still open, it keeps the edit.
        m_model->show(!c.closes, false);
        EXPECT_EQ(m_model->workingRules().size(), c.closes ? m_store->rules().size() : 2);
    }
}

TEST_F(SettingsWindowModelTest, CloseWithoutChangesAsksNothingAndSaveWithErrorsStaysOpen)
{
    showWith(abc());
    int closed = 0;
    m_model->requestClose([&closed] { ++closed; });
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(m_prompts.asked.isEmpty());

    Rule a = *m_model->editorRule();
    a.name = QString();
    m_model->editorChanged(a);
    m_prompts.saveBeforeClosing = SaveChoice::Save;
    m_model->requestClose([&closed] { ++closed; });
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(
        m_prompts.asked, QStringList({ QStringLiteral("saveBeforeClosing"), QStringLiteral("saveRefused") }));
}

TEST_F(SettingsWindowModelTest, TestMenuFollowsSelectionAndCards)
{
    showWith(abc());
    EXPECT_FALSE(m_model->isTestMenuEnabled()); // no card
    EXPECT_EQ(m_model->testMenuItems(), QStringList { QStringLiteral("Test rule on card\u2026") });

    m_cards.setCards({ card(QStringLiteral("EOS_DIGITAL")), card(QStringLiteral("SONY")) }, {});
    EXPECT_TRUE(m_model->isTestMenuEnabled());
    EXPECT_EQ(m_model->testMenuItems(),
        QStringList({ QStringLiteral("Test rule on card\u2026"), QStringLiteral("EOS_DIGITAL"),
            QStringLiteral("SONY") }));
    EXPECT_EQ(m_model->editorCards().size(), 2);

    // The unsaved working rule is what gets tested.
    Rule a = *m_model->editorRule();
    a.openNewestFolder = false;
    m_model->editorChanged(a);
    m_model->testItemChosen(0);
    m_model->testItemChosen(3);
    EXPECT_TRUE(m_tests.isEmpty());
    m_model->testItemChosen(2);
    ASSERT_EQ(m_tests.size(), 1);
    EXPECT_EQ(m_tests.at(0).first, a);
    EXPECT_EQ(m_tests.at(0).second.name, QStringLiteral("SONY"));

    m_model->selectRow(-1);
    EXPECT_FALSE(m_model->isTestMenuEnabled());
    m_model->testItemChosen(1);
    EXPECT_EQ(m_tests.size(), 1);
}

TEST_F(SettingsWindowModelTest, FileManagerStatusShowsTheNewestAnswer)
{
    m_fileManager.setPermissionGranted(false);
    showWith(abc());
    EXPECT_EQ(m_model->fileManagerStatus().state, FileManagerStatus::State::Checking);
    ASSERT_TRUE(
        pollUntil([&] { return m_model->fileManagerStatus().state != FileManagerStatus::State::Checking; }));
    EXPECT_EQ(m_model->fileManagerStatus().state, FileManagerStatus::State::NotAllowed);

    // Two checks in a row: the first answer is stale and changes nothing.
    m_fileManager.setPermissionGranted(true);
    QSignalSpy changes(m_model.get(), &SettingsWindowModel::fileManagerChanged);
    m_model->checkFileManager();
    m_model->checkFileManager();
    drain();
    EXPECT_EQ(m_model->fileManagerStatus().state, FileManagerStatus::State::Allowed);
    EXPECT_EQ(changes.size(), 3);
}

TEST_F(SettingsWindowModelTest, GeneralSwitchesWriteOnlyTheirOwnSetting)
{
    showWith(abc());
    m_model->setHandleCardsPresentAtLaunch(true);
    m_model->setShowNotifications(true);
    m_model->setShowUnmountItems(false);
    AppSettings expected;
    expected.handleCardsPresentAtLaunch = true;
    expected.showNotifications = true;
    expected.showUnmountItems = false;
    EXPECT_EQ(m_store->settings(), expected);

    QSignalSpy toggles(m_model.get(), &SettingsWindowModel::generalSettingsChanged);
    emit m_store->settingsSaveFailed(QString());
    EXPECT_EQ(toggles.size(), 1);
    EXPECT_EQ(m_model->validation(),
        (ValidationDisplay { QStringLiteral("Couldn\u2019t save settings."), Tone::Warning }));
    emit m_store->settingsSaveFailed(QStringLiteral("No space left on device"));
    EXPECT_EQ(m_model->validation().text, QStringLiteral("No space left on device"));
}

TEST_F(SettingsWindowModelTest, ExtrasAndTheFirstRunHint)
{
    showWith(abc());
    EXPECT_FALSE(m_model->extrasRevealed());
    EXPECT_EQ(m_prompts.hints, 0);
    m_model->presentFirstRunHintIfNeeded();
    m_model->presentFirstRunHintIfNeeded();
    EXPECT_EQ(m_prompts.hints, 1);
    EXPECT_TRUE(m_store->settings().firstRunHintShown);

    m_model->show(true, true);
    EXPECT_TRUE(m_model->extrasRevealed());
    EXPECT_TRUE(m_store->settings().extrasRevealed);
    m_model->show(true, false); // stays revealed until hidden from the editor
    EXPECT_TRUE(m_model->extrasRevealed());
    m_model->hideExtras();
    EXPECT_FALSE(m_model->extrasRevealed());
    EXPECT_FALSE(m_store->settings().extrasRevealed);
}

TEST_F(SettingsWindowModelTest, TheSnapshotFillsTheWindowAndWritesNothing)
{
    RulesStore readOnly(
        m_temp.path() + QStringLiteral("/elsewhere/Mirvale"), m_log, std::make_shared<PosixFileAccess>());
    readOnly.loadReadOnly();
    SettingsWindowModel::Services services;
    services.store = &readOnly;
    services.fileManager = &m_fileManager;
    services.log = &m_log;
    SettingsWindowModel model(services, m_prompts);
    model.prepareForSnapshot();
    drain();
    EXPECT_TRUE(model.workingRules().isEmpty());
    EXPECT_EQ(model.fileManagerStatus().text(), QStringLiteral("File manager: \u2014"));
    EXPECT_FALSE(QDir(m_temp.path() + QStringLiteral("/elsewhere")).exists());
    EXPECT_TRUE(m_prompts.asked.isEmpty());
}

} // namespace
