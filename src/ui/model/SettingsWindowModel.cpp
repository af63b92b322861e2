#include "ui/model/SettingsWindowModel.h"

#include "detection/VolumeWatching.h"
#include "filemanager/FileManagerService.h"
#include "rules/RulesStore.h"
#include "rules/RulesStoreError.h"
#include "support/DescribedError.h"
#include "support/Logger.h"
#include "ui/model/SettingsPrompts.h"

#include <QPointer>

SettingsWindowModel::SettingsWindowModel(Services services, SettingsPrompts &prompts, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_prompts(prompts)
    , m_selection(&m_rules)
    , m_transfer(*m_services.store, *m_services.log, prompts,
          { [this] { return isDirty(); }, [this] { return trySave(); },
              [this] { reloadFromStore(editorRule() ? std::optional(editorRule()->id) : std::nullopt); } })
{
    connect(&m_selection, &QItemSelectionModel::selectionChanged, this, [this] {
        if (m_holdSelection == 0)
            loadSelectionIntoEditor();
    });
    connect(&m_rules, &RuleListModel::enabledToggled, this, [this](int row) {
        if (row == selectedRow())
            emit editorRuleChanged();
        refreshValidation();
    });
    RulesStore *store = m_services.store;
    connect(store, &RulesProvider::settingsSaveFailed, this, &SettingsWindowModel::settingsSaveFailed);
    connect(store, &RulesProvider::settingsChanged, this, &SettingsWindowModel::generalSettingsChanged);
    connect(store, &RulesProvider::rulesChanged, this, &SettingsWindowModel::saveStateChanged);
    if (m_services.cards)
        m_services.cards->observeCardsChanged(this, [this] { mountedCardsChanged(); });
}

SettingsWindowModel::~SettingsWindowModel() = default;

int SettingsWindowModel::selectedRow() const
{
    const QModelIndexList rows = m_selection.selectedRows();
    if (rows.isEmpty())
        return -1;
    const int row = rows.first().row();
    return row < m_rules.rowCount() ? row : -1;
}

std::optional<Rule> SettingsWindowModel::editorRule() const
{
    const int row = selectedRow();
    if (row < 0)
        return std::nullopt;
    return workingRules().at(row);
}

bool SettingsWindowModel::isDirty() const
{
    return workingRules() != m_services.store->rules();
}

QString SettingsWindowModel::saveTitle() const
{
    return isDirty() ? tr("Save") : tr("Saved");
}

AppSettings SettingsWindowModel::generalSettings() const
{
    return m_services.store->settings();
}

template <typename Command> void SettingsWindowModel::command(Command run)
{
    const std::optional<Rule> before = editorRule();
    ++m_holdSelection;
    run();
    --m_holdSelection;
    // The editor reloads only when it would show something else.
    if (editorRule() != before)
        loadSelectionIntoEditor();
    else
        updateTestMenuEnabled();
    refreshValidation();
}

void SettingsWindowModel::selectRow(int row)
{
    if (row < 0 || row >= m_rules.rowCount()) {
        m_selection.clear();
        return;
    }
    m_selection.setCurrentIndex(
        m_rules.index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void SettingsWindowModel::show(bool windowVisible, bool revealExtras)
{
    if (!windowVisible)
        reloadFromStore(std::nullopt);
    if (revealExtras)
        setGeneral(&AppSettings::extrasRevealed, true);
    refreshEditorContext();
    checkFileManager();
    if (m_services.mediaHandling && !m_cameraCardsBusy) {
        m_cameraCardsBusy = true;
        m_services.mediaHandling->read(
            [this](const DesktopMediaHandling::Outcome &outcome) { cameraCardsRead(outcome); });
    }
}

void SettingsWindowModel::presentFirstRunHintIfNeeded()
{
    if (generalSettings().firstRunHintShown)
        return;
    // Where the desktop's setting can be read, the camera cards line takes the hint's place.
    if (m_services.mediaHandling && !m_cameraCards) {
        m_hintWaiting = true;
        return;
    }
    m_hintWaiting = false;
    if (m_cameraCards && m_cameraCards->state != DesktopMediaHandling::State::Unreadable) {
        // A setting for every medium is the user's to change in the desktop's own settings:
        // the hint points there, and only when the desktop would act on a camera card.
        if (m_cameraCards->cameraCardsOnly
            || m_cameraCards->state != DesktopMediaHandling::State::DesktopOpens)
            return;
    }
    setGeneral(&AppSettings::firstRunHintShown, true);
    m_prompts.showFirstRunHint();
}

SettingsWindowModel::CameraCardsLine SettingsWindowModel::cameraCardsLine() const
{
    using State = DesktopMediaHandling::State;
    CameraCardsLine line;
    if (!m_cameraCards)
        return line;
    const State state = m_cameraCards->state;
    line.visible
        = m_cameraCards->cameraCardsOnly && (state == State::DesktopOpens || state == State::MirvaleOpens);
    line.buttonEnabled = !m_cameraCardsBusy;
    if (state == State::MirvaleOpens) {
        line.text = tr("Mirvale opens camera cards; the desktop leaves them alone");
        line.buttonTitle = tr("Let the desktop open them");
    } else {
        line.text = tr("The desktop also opens camera cards");
        line.buttonTitle = tr("Let Mirvale open them");
    }
    if (!m_cameraCards->problem.isEmpty()) {
        line.visible = true;
        line.text += QLatin1Char('\n')
            + tr("The desktop\u2019s setting could not be changed: %1").arg(m_cameraCards->problem);
    }
    return line;
}

void SettingsWindowModel::switchCameraCards()
{
    if (!m_services.mediaHandling || !m_cameraCards || m_cameraCardsBusy)
        return;
    m_cameraCardsBusy = true;
    emit cameraCardsChanged();
    auto done = [this](const DesktopMediaHandling::Outcome &outcome) { cameraCardsRead(outcome); };
    if (m_cameraCards->state == DesktopMediaHandling::State::MirvaleOpens)
        m_services.mediaHandling->letDesktopOpen(done);
    else
        m_services.mediaHandling->letMirvaleOpen(done);
}

void SettingsWindowModel::cameraCardsRead(const DesktopMediaHandling::Outcome &outcome)
{
    m_cameraCards = outcome;
    m_cameraCardsBusy = false;
    emit cameraCardsChanged();
    if (m_hintWaiting)
        presentFirstRunHintIfNeeded();
}

void SettingsWindowModel::prepareForSnapshot()
{
    reloadFromStore(std::nullopt);
    refreshEditorContext();
    m_fileManagerStatus = { FileManagerStatus::State::NotChecked, {} };
    emit fileManagerChanged();
}

void SettingsWindowModel::reloadFromStore(const std::optional<QUuid> &keepSelected)
{
    ++m_holdSelection;
    m_rules.setRules(m_services.store->rules());
    const int kept = keepSelected ? m_rules.rowOf(*keepSelected) : -1;
    selectRow(kept >= 0 ? kept : 0);
    --m_holdSelection;
    // A reloaded list is a new list: the editor shows the selection even if it looks the same.
    loadSelectionIntoEditor();
    refreshValidation();
}

void SettingsWindowModel::refreshEditorContext()
{
    m_extrasRevealed = generalSettings().extrasRevealed;
    emit extrasRevealedChanged();
    m_editorCards = currentCards();
    emit editorCardsChanged();
    rebuildTestMenu(m_editorCards);
    emit generalSettingsChanged();
}

void SettingsWindowModel::loadSelectionIntoEditor()
{
    emit editorRuleChanged();
    updateTestMenuEnabled();
}

void SettingsWindowModel::addRule()
{
    command([this] {
        m_rules.append(Rule::makeNew());
        selectRow(m_rules.rowCount() - 1);
    });
}

void SettingsWindowModel::removeRule()
{
    command([this] {
        const int row = selectedRow();
        if (row < 0)
            return;
        m_rules.removeAt(row);
        selectRow(std::min(row, m_rules.rowCount() - 1));
    });
}

void SettingsWindowModel::moveRuleUp()
{
    command([this] {
        const int row = selectedRow();
        if (row <= 0)
            return;
        m_rules.moveRule(row, row - 1);
        selectRow(row - 1);
    });
}

void SettingsWindowModel::moveRuleDown()
{
    command([this] {
        const int row = selectedRow();
        if (row < 0 || row >= m_rules.rowCount() - 1)
            return;
        m_rules.moveRule(row, row + 1);
        selectRow(row + 1);
    });
}

void SettingsWindowModel::setRuleEnabled(int row, bool enabled)
{
    m_rules.setData(m_rules.index(row, 0), enabled ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

void SettingsWindowModel::editorChanged(const Rule &rule)
{
    // The editor already shows this rule; only the list and the validation follow it.
    if (m_rules.replace(rule) < 0)
        return;
    refreshValidation();
}

void SettingsWindowModel::hideExtras()
{
    setGeneral(&AppSettings::extrasRevealed, false);
    m_extrasRevealed = false;
    emit extrasRevealedChanged();
}

void SettingsWindowModel::refreshValidation()
{
    displayValidation(ValidationDisplay::fromIssues(RulesStore::validate(workingRules())));
    emit saveStateChanged();
}

void SettingsWindowModel::displayValidation(const ValidationDisplay &display)
{
    m_validation = display;
    emit validationChanged();
}

bool SettingsWindowModel::trySave()
{
    const RuleList rules = workingRules();
    try {
        m_services.store->save(rules);
    } catch (const RulesStoreError &refused) {
        displayValidation(ValidationDisplay::fromIssues(refused.issues()));
        QStringList errors;
        for (const RuleIssue &issue : refused.issues()) {
            if (issue.isError)
                errors.append(issue.message);
        }
        m_prompts.showSaveRefused(errors);
        return false;
    } catch (const DescribedError &error) {
        m_services.log->error(QStringLiteral("Save failed: ") + error.englishDescription());
        // Said where the user looks; the edits stay for another try.
        displayValidation(ValidationDisplay::rulesSaveFailed(error.description()));
        return false;
    }
    refreshValidation();
    if (!m_validation.isVisible())
        displayValidation(ValidationDisplay::saved());
    m_services.log->info(QStringLiteral("Saved %1 rule(s)").arg(rules.size()));
    return true;
}

void SettingsWindowModel::requestClose(std::function<void()> close)
{
    if (!isDirty()) {
        close();
        return;
    }
    QPointer<SettingsWindowModel> self(this);
    m_prompts.askSaveBeforeClosing([self, close](SettingsPrompts::SaveChoice choice) {
        if (!self)
            return;
        switch (choice) {
        case SettingsPrompts::SaveChoice::Save:
            if (self->trySave())
                close();
            return;
        case SettingsPrompts::SaveChoice::Discard:
            close();
            return;
        case SettingsPrompts::SaveChoice::Cancel:
            return;
        }
    });
}

void SettingsWindowModel::discardForQuit()
{
    if (isDirty())
        m_services.log->info(
            QStringLiteral("Quitting with unsaved rule changes: discarded them; rules.json left as it was"));
}

void SettingsWindowModel::setHandleCardsPresentAtLaunch(bool on)
{
    setGeneral(&AppSettings::handleCardsPresentAtLaunch, on);
}

void SettingsWindowModel::setShowNotifications(bool on)
{
    setGeneral(&AppSettings::showNotifications, on);
}

void SettingsWindowModel::setShowUnmountItems(bool on)
{
    setGeneral(&AppSettings::showUnmountItems, on);
}

void SettingsWindowModel::setMountInsertedCards(bool on)
{
    setGeneral(&AppSettings::mountInsertedCards, on);
}

void SettingsWindowModel::setReportWith(ReportMedium medium)
{
    AppSettings settings = m_services.store->settings();
    settings.reportWith = medium;
    m_services.store->setSettings(settings);
}

void SettingsWindowModel::setGeneral(bool AppSettings::*field, bool on)
{
    AppSettings settings = m_services.store->settings();
    settings.*field = on;
    m_services.store->setSettings(settings);
}

void SettingsWindowModel::settingsSaveFailed(const QString &message)
{
    emit generalSettingsChanged();
    displayValidation(ValidationDisplay::settingsSaveFailed(message));
}

void SettingsWindowModel::checkFileManager()
{
    m_fileManagerStatus = { FileManagerStatus::State::Checking, {} };
    emit fileManagerChanged();
    // Only the newest check's answer counts; the model may be gone when it arrives.
    const quint64 check = ++m_automationCheck;
    QPointer<SettingsWindowModel> self(this);
    m_services.fileManager->checkFileManager([self, check](bool granted) {
        if (!self || check != self->m_automationCheck)
            return;
        self->m_fileManagerStatus
            = { granted ? FileManagerStatus::State::Allowed : FileManagerStatus::State::NotAllowed,
                  granted ? self->m_services.fileManager->fileManagerName() : QString() };
        emit self->fileManagerChanged();
    });
}

QList<MountedCard> SettingsWindowModel::currentCards() const
{
    return m_services.cards ? m_services.cards->mountedCards() : QList<MountedCard>();
}

void SettingsWindowModel::mountedCardsChanged()
{
    const QList<MountedCard> cards = currentCards();
    if (cards != m_editorCards) {
        m_editorCards = cards;
        emit editorCardsChanged();
    }
    rebuildTestMenu(cards);
}

void SettingsWindowModel::rebuildTestMenu(const QList<MountedCard> &cards)
{
    m_testMenu.rebuild(cards);
    updateTestMenuEnabled();
}

void SettingsWindowModel::updateTestMenuEnabled()
{
    m_testMenuEnabled = selectedRow() >= 0 && m_testMenu.items().size() > 1;
    emit testMenuChanged();
}

void SettingsWindowModel::testItemChosen(int index)
{
    const int row = selectedRow();
    if (row < 0 || !m_services.testRule)
        return;
    const QList<MountedCard> cards = currentCards();
    const int card = TestMenuModel::cardIndexForItem(index, cards.size());
    if (card >= 0)
        m_services.testRule(workingRules().at(row), cards.at(card));
}
