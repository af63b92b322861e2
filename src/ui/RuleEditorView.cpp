#include "ui/RuleEditorView.h"

#include "filemanager/FileManagerService.h"
#include "filemanager/MouseWarp.h"
#include "support/Logger.h"
#include "ui/AlertBox.h"
#include "ui/BrowseCardPanel.h"
#include "ui/model/CardFolderBrowser.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedLayout>

using namespace RuleEditorLogic;

RuleEditorView::RuleEditorView(Services services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_numberFields(m_controls, m_rule, [this](const Rule &edited) { apply(edited); })
    , m_browser(std::make_unique<CardFolderBrowser>(services.folders))
{
    setObjectName(QStringLiteral("ruleEditor"));
    m_controls.build(this);
    connectControls();
    refreshCardPopups();
    m_controls.extrasBox->setVisible(m_extrasRevealed);
    reloadAllControls();
}

RuleEditorView::~RuleEditorView()
{
    // Fields that lose focus while the children are torn down must not call back into a
    // half-destroyed editor.
    const QList<QLineEdit *> edits = findChildren<QLineEdit *>();
    for (QLineEdit *edit : edits)
        edit->disconnect(this);
    // The sheet shows the browser's state; it goes first.
    delete m_browsePanel.data();
}

void RuleEditorView::setRule(const std::optional<Rule> &rule)
{
    // An owner that hands the reported rule straight back must not reset the field being typed in.
    const bool echo = m_isReportingChange && rule == m_rule;
    m_rule = rule;
    if (!m_isApplyingInternalUpdate && !echo)
        reloadAllControls();
}

void RuleEditorView::setMountedCards(const QList<MountedCard> &cards)
{
    const bool differ = cardMenusDiffer(m_mountedCards, cards);
    m_mountedCards = cards;
    if (differ)
        refreshCardPopups();
}

void RuleEditorView::setExtrasRevealed(bool revealed)
{
    m_extrasRevealed = revealed;
    m_controls.extrasBox->setVisible(revealed);
}

BrowseCardPanel *RuleEditorView::browsePanel() const
{
    return m_browsePanel.data();
}

void RuleEditorView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        m_controls.applyTones(palette());
    QWidget::changeEvent(event);
}

void RuleEditorView::connectControls()
{
    RuleEditorControls &c = m_controls;
    connect(c.nameField, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (m_rule)
            apply(withName(*m_rule, text));
    });
    connect(c.enabledCheckbox, &QCheckBox::clicked, this, [this](bool on) {
        if (m_rule)
            apply(withEnabled(*m_rule, on));
    });
    connect(c.namedRadio, &QRadioButton::clicked, this, &RuleEditorView::matchRadioClicked);
    connect(c.anyCardRadio, &QRadioButton::clicked, this, &RuleEditorView::matchRadioClicked);
    connect(c.volumeNameField, &QLineEdit::textEdited, this, &RuleEditorView::volumeNameEdited);
    connect(c.pickMountedCardPopup, &QComboBox::activated, this, &RuleEditorView::pickMountedCardChanged);
    connect(c.folderPresetPopup, &QComboBox::activated, this, &RuleEditorView::folderPresetPopupChanged);
    connect(c.customPathField, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (m_rule)
            apply(withCustomPath(*m_rule, text));
    });
    connect(c.browseButton, &QPushButton::clicked, this, &RuleEditorView::browseClicked);
    connect(c.openNewestCheckbox, &QCheckBox::clicked, this, [this](bool on) {
        if (m_rule)
            apply(withOpenNewestFolder(*m_rule, on));
    });
    connect(c.selectNewestFileCheckbox, &QCheckBox::clicked, this, [this](bool on) {
        if (m_rule)
            apply(withSelectNewestFile(*m_rule, on));
    });
    connect(c.placeWindowCheckbox, &QCheckBox::clicked, this, &RuleEditorView::placeWindowToggled);
    connect(c.captureButton, &QPushButton::clicked, this, &RuleEditorView::captureClicked);
    connect(c.bringToFrontCheckbox, &QCheckBox::clicked, this, [this](bool on) {
        if (m_rule)
            apply(withBringToFront(*m_rule, on));
    });
    connect(c.mouseWarpCheckbox, &QCheckBox::clicked, this, &RuleEditorView::mouseWarpToggled);
    connect(
        c.useCurrentPositionButton, &QPushButton::clicked, this, &RuleEditorView::useCurrentPositionClicked);
    connect(c.hideExtrasButton, &QPushButton::clicked, this, &RuleEditorView::hideExtrasRequested);
    m_numberFields.connectFields(this);
}

void RuleEditorView::reloadAllControls()
{
    RuleEditorControls &c = m_controls;
    auto *stack = static_cast<QStackedLayout *>(layout());
    if (!m_rule) {
        stack->setCurrentWidget(c.emptyLabel);
        return;
    }
    stack->setCurrentWidget(c.scrollView);
    RuleEditorControls::setRowVisible(c.positionHintRow, false);

    const Form shown = form(*m_rule, m_mountedCards.size(), m_isCapturing);
    c.nameField->setText(shown.name);
    c.enabledCheckbox->setChecked(shown.enabled);
    c.namedRadio->setChecked(shown.cardNamed);
    c.anyCardRadio->setChecked(!shown.cardNamed);
    c.volumeNameField->setText(shown.volumeName);
    c.folderPresetPopup->setCurrentIndex(c.folderPresetPopup->findData(shown.folderTag));
    c.customPathField->setText(shown.customPath);
    c.openNewestCheckbox->setChecked(shown.openNewestFolder);
    c.selectNewestFileCheckbox->setChecked(shown.selectNewestFile);
    c.placeWindowCheckbox->setChecked(shown.placeWindow);
    const std::array<QLineEdit *, 4> placementFields { c.leftField, c.topField, c.widthField, c.heightField };
    for (size_t index = 0; index < placementFields.size(); ++index)
        placementFields[index]->setText(shown.placementTexts[index]);
    c.bringToFrontCheckbox->setChecked(shown.bringToFront);
    c.mouseWarpCheckbox->setChecked(shown.mouseWarp);
    c.mouseXField->setText(shown.mouseTexts[0]);
    c.mouseYField->setText(shown.mouseTexts[1]);
    updateEnablement();
}

void RuleEditorView::refreshCardPopups()
{
    QComboBox *popup = m_controls.pickMountedCardPopup;
    popup->clear();
    popup->addItems(cardMenuItems(m_mountedCards));
    popup->setCurrentIndex(0);
    updateEnablement();
    if (m_browsePanel)
        m_browser->setCards(m_mountedCards);
}

void RuleEditorView::updateEnablement()
{
    if (!m_rule)
        return;
    RuleEditorControls &c = m_controls;
    const Form shown = form(*m_rule, m_mountedCards.size(), m_isCapturing);
    c.volumeNameField->setEnabled(shown.volumeNameEnabled);
    c.pickMountedCardPopup->setEnabled(shown.pickCardEnabled);
    c.customPathField->setEnabled(shown.customPathShown);
    RuleEditorControls::setRowVisible(c.openPathRow, shown.customPathShown);
    for (QLineEdit *field : { c.leftField, c.topField, c.widthField, c.heightField })
        field->setEnabled(shown.placementFieldsEnabled);
    c.captureButton->setEnabled(shown.captureEnabled);
    c.mouseXField->setEnabled(shown.mouseFieldsEnabled);
    c.mouseYField->setEnabled(shown.mouseFieldsEnabled);
}

void RuleEditorView::apply(const Rule &edited)
{
    m_isApplyingInternalUpdate = true;
    setRule(edited);
    m_isApplyingInternalUpdate = false;
    m_isReportingChange = true;
    emit this->edited(edited);
    m_isReportingChange = false;
}

void RuleEditorView::matchRadioClicked()
{
    if (!m_rule)
        return;
    apply(withMatch(*m_rule, m_controls.namedRadio->isChecked(), m_controls.volumeNameField->text()));
    updateEnablement();
}

void RuleEditorView::volumeNameEdited(const QString &text)
{
    if (!m_rule)
        return;
    m_controls.namedRadio->setChecked(true);
    apply(withMatch(*m_rule, true, text));
    updateEnablement();
}

void RuleEditorView::pickMountedCardChanged(int index)
{
    // A pull-down: it goes back to its title whatever was picked.
    m_controls.pickMountedCardPopup->setCurrentIndex(0);
    if (!m_rule)
        return;
    const std::optional<Rule> edited = withPickedCard(*m_rule, m_mountedCards, index);
    if (!edited)
        return;
    m_controls.volumeNameField->setText(edited->match.name());
    m_controls.namedRadio->setChecked(true);
    apply(*edited);
    updateEnablement();
}

void RuleEditorView::folderPresetPopupChanged(int index)
{
    if (!m_rule)
        return;
    const int tag = m_controls.folderPresetPopup->itemData(index).toInt();
    if (tag != customTag)
        m_controls.customPathField->clear();
    apply(withFolderTag(*m_rule, tag, m_controls.customPathField->text()));
    updateEnablement();
}

void RuleEditorView::placeWindowToggled(bool on)
{
    if (!m_rule)
        return;
    apply(withPlaceWindow(*m_rule, on));
    reloadAllControls();
}

void RuleEditorView::mouseWarpToggled(bool on)
{
    if (!m_rule)
        return;
    const MousePoint current
        = m_services.pointer ? MouseWarp::currentPosition(*m_services.pointer) : MousePoint {};
    apply(withMouseWarp(*m_rule, on, current));
    reloadAllControls();
}

void RuleEditorView::useCurrentPositionClicked()
{
    if (!m_rule)
        return;
    const MousePoint current
        = m_services.pointer ? MouseWarp::currentPosition(*m_services.pointer) : MousePoint {};
    m_controls.mouseWarpCheckbox->setChecked(true);
    m_controls.mouseXField->setText(numberText(current.x));
    m_controls.mouseYField->setText(numberText(current.y));
    apply(withMousePoint(*m_rule, current));
    updateEnablement();
}

void RuleEditorView::captureClicked()
{
    if (!m_rule || m_isCapturing)
        return;
    m_isCapturing = true;
    updateEnablement();
    if (!m_services.fileManager) {
        captureAnswered(std::nullopt);
        return;
    }
    // Handled only if the editor is still there.
    QPointer<RuleEditorView> guard(this);
    m_services.fileManager->captureFrontWindowBounds([guard](std::optional<Placement> bounds) {
        if (guard)
            guard->captureAnswered(bounds);
    });
}

void RuleEditorView::captureAnswered(const std::optional<Placement> &bounds)
{
    m_isCapturing = false;
    const CaptureOutcome outcome = captured(m_rule, bounds);
    if (outcome.failed) {
        if (m_services.log)
            m_services.log->warn(captureFailedLogLine());
        auto *alert
            = new AlertBox(QMessageBox::Information, captureFailedTitle(), captureFailedText(), window());
        alert->setObjectName(QStringLiteral("captureFailedAlert"));
        alert->setAttribute(Qt::WA_DeleteOnClose);
        // A sheet on the settings window; application-modal when the editor stands alone.
        alert->setWindowModality(window() == this ? Qt::ApplicationModal : Qt::WindowModal);
        m_captureAlert = alert;
        alert->open();
    } else if (outcome.rule) {
        apply(*outcome.rule);
        reloadAllControls();
    }
    updateEnablement();
}

void RuleEditorView::browseClicked()
{
    if (!m_rule || m_browsePanel)
        return;
    auto *panel = new BrowseCardPanel(*m_browser, window());
    panel->setAttribute(Qt::WA_DeleteOnClose);
    connect(panel, &BrowseCardPanel::chosen, this, &RuleEditorView::browseChosen);
    connect(panel, &QDialog::finished, this, [this] { m_browser->close(); });
    m_browsePanel = panel;
    m_browser->open(m_mountedCards, m_rule->match);
    panel->open();
}

void RuleEditorView::browseChosen(const QString &path)
{
    if (!m_rule)
        return;
    RuleEditorControls &c = m_controls;
    c.folderPresetPopup->setCurrentIndex(c.folderPresetPopup->findData(customTag));
    c.customPathField->setText(path);
    apply(withCustomPath(*m_rule, path));
    updateEnablement();
}
