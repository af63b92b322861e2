#include "ui/RuleListPane.h"

#include "app/DesktopNotifier.h"
#include "ui/Appearance.h"
#include "ui/ElidedLines.h"
#include "ui/ListBoxFrame.h"
#include "ui/RuleRowDelegate.h"
#include "ui/WheelSafeComboBox.h"
#include "ui/model/SettingsWindowModel.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

RuleListPane::RuleListPane(SettingsWindowModel &model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
{
    setObjectName(QStringLiteral("ruleListPane"));
    // As wide as its widest text, and never narrower than the English needs (sizeHint).
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);

    // A list, not a table: assistive tools read rows with a name and a second line, no headers.
    m_table = new QListView;
    m_table->setObjectName(QStringLiteral("ruleTable"));
    m_table->setAccessibleName(tr("Rules"));
    m_table->setAccessibleDescription(tr(
        "Arrows choose a rule, Space turns it on or off, Alt+Up and Alt+Down move it, Delete removes it."));
    // Tab leaves the list; the arrows move inside it.
    m_table->setTabKeyNavigation(false);
    m_table->setModel(model.ruleList());
    m_table->setSelectionModel(model.selection());
    m_table->setItemDelegate(new RuleRowDelegate(m_table));
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setUniformItemSizes(true);
    m_table->setAlternatingRowColors(false);
    m_table->setFrameShape(QFrame::NoFrame);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_table->setWordWrap(false);
    m_table->setResizeMode(QListView::Adjust);
    // The box behind the table draws the background.
    m_table->viewport()->setAutoFillBackground(false);
    QPalette transparent = m_table->palette();
    transparent.setColor(QPalette::Base, Qt::transparent);
    m_table->setPalette(transparent);
    connect(
        model.selection(), &QItemSelectionModel::currentChanged, m_table, [this](const QModelIndex &current) {
            if (current.isValid())
                m_table->scrollTo(current);
        });

    m_validationLabel = new QLabel;
    m_validationLabel->setObjectName(QStringLiteral("validationLabel"));
    m_validationLabel->setWordWrap(true);
    m_validationLabel->setTextFormat(Qt::PlainText);
    QFont small = m_validationLabel->font();
    small.setPixelSize(11);
    m_validationLabel->setFont(small);
    m_validationLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Two lines, kept while hidden: the list above never changes height when it comes and goes.
    m_validationLabel->setFixedHeight(QFontMetrics(small).lineSpacing() * kValidationLines);
    QSizePolicy keepSpace = m_validationLabel->sizePolicy();
    keepSpace.setRetainSizeWhenHidden(true);
    // Its text is fitted to the pane, never the pane to its text.
    keepSpace.setHorizontalPolicy(QSizePolicy::Ignored);
    m_validationLabel->setSizePolicy(keepSpace);
    m_validationLabel->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new ListBoxFrame(m_table), 1);
    layout->addSpacing(8);
    layout->addWidget(buildButtonRow());
    layout->addSpacing(6);
    layout->addWidget(m_validationLabel);
    layout->addSpacing(12);
    layout->addWidget(buildGeneralBox());

    connect(&model, &SettingsWindowModel::validationChanged, this, &RuleListPane::showValidation);
    connect(&model, &SettingsWindowModel::generalSettingsChanged, this, &RuleListPane::loadGeneralToggles);
    showValidation();
    loadGeneralToggles();
}

QSize RuleListPane::sizeHint() const
{
    return QWidget::sizeHint().expandedTo(QSize(kWidth, 0));
}

QList<QWidget *> RuleListPane::focusOrder() const
{
    // The General switches, as many as the box holds, in the order they were added.
    QList<QWidget *> order = m_focusOrder;
    for (QWidget *child : m_generalBox->findChildren<QWidget *>()) {
        // A menu's pop-up list is a window of its own, out of the chain.
        if ((child->focusPolicy() & Qt::TabFocus) && child->window() == m_generalBox->window())
            order.append(child);
    }
    return order;
}

QString RuleListPane::withKey(const QString &text, const QKeySequence &key)
{
    //: A button's tooltip: what it does and its key, as "Add rule (Ctrl+N)".
    return tr("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText));
}

QToolButton *RuleListPane::symbolButton(
    const QString &objectName, const QString &accessibleName, const QKeySequence &key)
{
    auto *button = new QToolButton;
    button->setObjectName(objectName);
    button->setAccessibleName(accessibleName);
    button->setToolTip(withKey(accessibleName, key));
    button->setFixedSize(28, 24);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return button;
}

QWidget *RuleListPane::buildButtonRow()
{
    QToolButton *add
        = symbolButton(QStringLiteral("addButton"), tr("Add rule"), QKeySequence(Qt::CTRL | Qt::Key_N));
    add->setText(QStringLiteral("+"));
    add->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QToolButton *remove
        = symbolButton(QStringLiteral("removeButton"), tr("Remove rule"), QKeySequence::Delete);
    remove->setText(QStringLiteral("\u2212"));
    remove->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QToolButton *up
        = symbolButton(QStringLiteral("upButton"), tr("Move rule up"), QKeySequence(Qt::ALT | Qt::Key_Up));
    up->setArrowType(Qt::UpArrow);
    QToolButton *down = symbolButton(
        QStringLiteral("downButton"), tr("Move rule down"), QKeySequence(Qt::ALT | Qt::Key_Down));
    down->setArrowType(Qt::DownArrow);
    QFont symbolFont = add->font();
    symbolFont.setPixelSize(15);
    add->setFont(symbolFont);
    remove->setFont(symbolFont);

    auto *importButton = new QPushButton(tr("&Import\u2026"));
    importButton->setObjectName(QStringLiteral("importButton"));
    auto *exportButton = new QPushButton(tr("&Export\u2026"));
    exportButton->setObjectName(QStringLiteral("exportButton"));
    for (QPushButton *button : { importButton, exportButton }) {
        QFont font = button->font();
        font.setPixelSize(12);
        button->setFont(font);
        button->setAutoDefault(false);
    }

    connect(add, &QToolButton::clicked, &m_model, &SettingsWindowModel::addRule);
    connect(remove, &QToolButton::clicked, &m_model, &SettingsWindowModel::removeRule);
    connect(up, &QToolButton::clicked, &m_model, &SettingsWindowModel::moveRuleUp);
    connect(down, &QToolButton::clicked, &m_model, &SettingsWindowModel::moveRuleDown);
    connect(importButton, &QPushButton::clicked, &m_model, &SettingsWindowModel::importRules);
    connect(exportButton, &QPushButton::clicked, &m_model, &SettingsWindowModel::exportRules);

    m_focusOrder = { m_table, add, remove, up, down, importButton, exportButton };
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    for (QToolButton *button : { add, remove, up, down })
        layout->addWidget(button);
    layout->addStretch(1);
    layout->addWidget(importButton);
    layout->addWidget(exportButton);
    return row;
}

QWidget *RuleListPane::buildGeneralBox()
{
    auto *box = new QGroupBox(tr("&General"));
    box->setObjectName(QStringLiteral("generalBox"));
    m_generalBox = box;
    m_handleAtLaunch = new QCheckBox(tr("Open cards already inserted at launch"));
    m_handleAtLaunch->setObjectName(QStringLiteral("handleAtLaunchCheckbox"));
    m_showPanels = new QCheckBox(tr("Show a panel when a card opens"));
    m_showPanels->setObjectName(QStringLiteral("showPanelsCheckbox"));
    m_showUnmount = new QCheckBox(tr("Show Unmount in the menu"));
    m_showUnmount->setObjectName(QStringLiteral("showUnmountCheckbox"));
    m_mountInserted = new QCheckBox(tr("Mount cards when they are inserted"));
    m_mountInserted->setObjectName(QStringLiteral("mountInsertedCheckbox"));
    m_mountInserted->setToolTip(tr("When the desktop does not mount a card within moments of its insertion, "
                                   "Mirvale mounts it."));

    // clicked, not toggled: only the user's own clicks change the settings.
    connect(
        m_handleAtLaunch, &QCheckBox::clicked, &m_model, &SettingsWindowModel::setHandleCardsPresentAtLaunch);
    connect(m_showPanels, &QCheckBox::clicked, &m_model, &SettingsWindowModel::setShowNotifications);
    connect(m_showUnmount, &QCheckBox::clicked, &m_model, &SettingsWindowModel::setShowUnmountItems);
    connect(m_mountInserted, &QCheckBox::clicked, &m_model, &SettingsWindowModel::setMountInsertedCards);

    auto *reportLabel = new QLabel(tr("Show reports as:"));
    m_reportWith = new WheelSafeComboBox;
    m_reportWith->setObjectName(QStringLiteral("reportWithCombo"));
    m_reportWith->setAccessibleName(tr("Show reports as"));
    m_reportWith->addItem(tr("Mirvale's panels"), static_cast<int>(ReportMedium::Panels));
    m_reportWith->addItem(tr("the desktop's notifications"), static_cast<int>(ReportMedium::Desktop));
    reportLabel->setBuddy(m_reportWith);
    connect(m_reportWith, &QComboBox::activated, this, [this](int index) {
        m_model.setReportWith(static_cast<ReportMedium>(m_reportWith->itemData(index).toInt()));
    });
    auto *reportRow = new QHBoxLayout;
    reportRow->addWidget(reportLabel);
    reportRow->addWidget(m_reportWith, 1);

    m_cameraCardsLabel = new QLabel;
    m_cameraCardsLabel->setObjectName(QStringLiteral("cameraCardsLabel"));
    m_cameraCardsLabel->setWordWrap(true);
    m_cameraCardsButton = new QPushButton;
    m_cameraCardsButton->setObjectName(QStringLiteral("cameraCardsButton"));
    connect(m_cameraCardsButton, &QPushButton::clicked, &m_model, &SettingsWindowModel::switchCameraCards);
    connect(&m_model, &SettingsWindowModel::cameraCardsChanged, this, &RuleListPane::showCameraCards);
    auto *cameraCardsRow = new QHBoxLayout;
    cameraCardsRow->addWidget(m_cameraCardsLabel, 1);
    cameraCardsRow->addWidget(m_cameraCardsButton);

    auto *layout = new QVBoxLayout(box);
    layout->setSpacing(6);
    layout->addWidget(m_handleAtLaunch);
    layout->addWidget(m_showPanels);
    layout->addWidget(m_showUnmount);
    layout->addWidget(m_mountInserted);
    layout->addLayout(reportRow);
    layout->addLayout(cameraCardsRow);
    showCameraCards();
    return box;
}

void RuleListPane::showValidation()
{
    const ValidationDisplay display = m_model.validation();
    // Whole lines only, the count of further issues whole at the end; the tooltip has it all.
    m_validationLabel->setText(ElidedLines::fit(display.text, display.moreCount(),
        m_validationLabel->fontMetrics(), std::max(kWidth, width()), kValidationLines));
    QPalette palette = m_validationLabel->palette();
    palette.setColor(QPalette::WindowText, Appearance::toneColor(display.tone, this->palette()));
    m_validationLabel->setPalette(palette);
    m_validationLabel->setToolTip(display.text);
    m_validationLabel->setVisible(display.isVisible());
}

void RuleListPane::loadGeneralToggles()
{
    const AppSettings settings = m_model.generalSettings();
    m_handleAtLaunch->setChecked(settings.handleCardsPresentAtLaunch);
    m_showPanels->setChecked(settings.showNotifications);
    m_showUnmount->setChecked(settings.showUnmountItems);
    m_mountInserted->setChecked(settings.mountInsertedCards);
    // Panels need a display server that lets Mirvale place them: not a native Wayland one.
    const bool panelsPlaceable = QGuiApplication::platformName() != QStringLiteral("wayland");
    m_reportWith->setCurrentIndex(
        m_reportWith->findData(static_cast<int>(DesktopNotifier::medium(settings, panelsPlaceable))));
}

void RuleListPane::showCameraCards()
{
    const SettingsWindowModel::CameraCardsLine line = m_model.cameraCardsLine();
    m_cameraCardsLabel->setText(line.text);
    m_cameraCardsLabel->setVisible(line.visible);
    m_cameraCardsButton->setText(line.buttonTitle);
    m_cameraCardsButton->setAccessibleName(line.buttonTitle);
    m_cameraCardsButton->setAccessibleDescription(line.text);
    m_cameraCardsButton->setEnabled(line.buttonEnabled);
    m_cameraCardsButton->setVisible(line.visible);
}

void RuleListPane::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        showValidation();
}
