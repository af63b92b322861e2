#include "ui/RuleEditorControls.h"

#include "ui/AccessibleRoles.h"
#include "ui/Appearance.h"
#include "ui/WheelSafeComboBox.h"
#include "ui/model/RuleEditorLogic.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

constexpr int kLabelColumnWidth = 64;
constexpr int kNumberFieldWidth = 64;
constexpr int kPathFieldMinimumWidth = 160;

template <typename Widget, typename... Args> Widget *named(const char *objectName, Args &&...args)
{
    auto *widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(QLatin1String(objectName));
    return widget;
}

// A titled box with the two-column grid every section uses.
QGridLayout *configureBox(QGroupBox *box)
{
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(10, 12, 10, 12);
    grid->setVerticalSpacing(8);
    grid->setHorizontalSpacing(10);
    grid->setColumnMinimumWidth(0, kLabelColumnWidth);
    grid->setColumnStretch(1, 1);
    return grid;
}

// A label read with its field: the field's accessible name, and the labelled-by relation
// (the field must be the label's sibling for that).
QLabel *labelFor(const QString &text, QWidget *field)
{
    auto *label = new QLabel(text);
    if (field) {
        label->setBuddy(field);
        field->setAccessibleName(text);
    }
    return label;
}

// Adds a row; returns the row's widgets (label, if any, and content) so it can be hidden.
// `field` is what the label names, when it names one.
QList<QWidget *> addRow(QGridLayout *grid, const QString &label, QWidget *content, QWidget *field = nullptr)
{
    const int row = grid->rowCount();
    QList<QWidget *> widgets;
    if (!label.isEmpty()) {
        QLabel *text = labelFor(label, field);
        text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(text, row, 0, Qt::AlignRight | Qt::AlignVCenter);
        widgets.append(text);
    }
    grid->addWidget(content, row, 1, Qt::AlignLeft | Qt::AlignVCenter);
    widgets.append(content);
    return widgets;
}

// Widgets side by side, left-aligned, laid out in the box itself: fields stay the siblings of
// the label that names them.
QList<QWidget *> addStripRow(QGridLayout *grid, const QString &label,
    std::initializer_list<QWidget *> widgets, int spacing, QWidget *field = nullptr, bool stretch = false)
{
    const int row = grid->rowCount();
    QList<QWidget *> shown;
    if (!label.isEmpty()) {
        QLabel *text = labelFor(label, field);
        text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(text, row, 0, Qt::AlignRight | Qt::AlignVCenter);
        shown.append(text);
    }
    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    for (QWidget *widget : widgets) {
        layout->addWidget(widget);
        shown.append(widget);
    }
    if (!stretch)
        layout->addStretch(1);
    grid->addLayout(layout, row, 1);
    return shown;
}

/// Labelled number fields, two to a line, so the rows stay within the narrowest pane.
QWidget *numberGrid(const QList<std::pair<QString, QLineEdit *>> &fields)
{
    auto *container = new QWidget;
    auto *grid = new QGridLayout(container);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(8);
    for (qsizetype index = 0; index < fields.size(); ++index) {
        const int row = int(index / 2);
        const int column = int(index % 2) * 3;
        fields.at(index).second->setFixedWidth(kNumberFieldWidth);
        grid->addWidget(labelFor(fields.at(index).first, fields.at(index).second), row, column,
            Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(fields.at(index).second, row, column + 1);
    }
    // The gap between the two pairs of a line.
    grid->setColumnMinimumWidth(2, 4);
    return container;
}

} // namespace

void RuleEditorControls::build(QWidget *pane)
{
    AccessibleRoles::install();
    auto *stack = new QStackedLayout(pane);
    stack->setContentsMargins(0, 0, 0, 0);

    emptyLabel = named<QLabel>("emptyLabel", RuleEditorLogic::emptyMessage());
    emptyLabel->setAlignment(Qt::AlignCenter);
    stack->addWidget(emptyLabel);

    scrollView = named<QScrollArea>("scrollView");
    scrollView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollView->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scrollView->setFrameShape(QFrame::NoFrame);
    // Tab goes to the fields inside, never to the area itself.
    scrollView->setFocusPolicy(Qt::NoFocus);
    scrollView->setWidgetResizable(true);
    auto *document = new QWidget;
    document->setObjectName(QStringLiteral("sectionsStack"));
    auto *sections = new QVBoxLayout(document);
    sections->setSpacing(14);
    // Narrow at the sides: the whole form fits beside the list on a 1280×720 screen at 150 %.
    sections->setContentsMargins(8, 16, 8, 16);
    scrollView->setWidget(document);
    // No background of its own: the pane's shows through.
    scrollView->viewport()->setAutoFillBackground(false);
    document->setAutoFillBackground(false);
    stack->addWidget(scrollView);

    // Rule
    ruleBox = named<QGroupBox>("ruleBox", tr("&Rule"));
    QGridLayout *ruleGrid = configureBox(ruleBox);
    nameField = named<QLineEdit>("nameField");
    nameField->setMinimumWidth(240);
    addRow(ruleGrid, tr("Name"), nameField, nameField);
    ruleGrid->itemAtPosition(ruleGrid->rowCount() - 1, 1)->setAlignment(Qt::Alignment());
    enabledCheckbox = named<QCheckBox>("enabledCheckbox", tr("Enabled"));
    addRow(ruleGrid, {}, enabledCheckbox);

    // When a card is inserted
    whenBox = named<QGroupBox>("whenBox", tr("&When a card is inserted"));
    QGridLayout *whenGrid = configureBox(whenBox);
    namedRadio = named<QRadioButton>("namedRadio", tr("Card named"));
    volumeNameField = named<QLineEdit>("volumeNameField");
    volumeNameField->setMinimumWidth(180);
    volumeNameField->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    volumeNameField->setAccessibleName(tr("Card name"));
    pickMountedCardPopup = named<WheelSafeComboBox>("pickMountedCardPopup");
    pickMountedCardPopup->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    pickMountedCardPopup->setAccessibleName(tr("Card name from a mounted card"));
    addStripRow(whenGrid, tr("Trigger"), { namedRadio, volumeNameField }, 8);
    // The card menu goes under the name field: beside it, the row is wider than the pane.
    auto *pickIndent = new QWidget;
    pickIndent->setFixedWidth(namedRadio->sizeHint().width());
    addStripRow(whenGrid, {}, { pickIndent, pickMountedCardPopup }, 8);
    anyCardRadio = named<QRadioButton>("anyCardRadio", tr("Any card that contains the folder below"));
    addRow(whenGrid, {}, anyCardRadio);
    matchGroup = new QButtonGroup(whenBox);
    matchGroup->addButton(namedRadio);
    matchGroup->addButton(anyCardRadio);

    // Open
    openBox = named<QGroupBox>("openBox", tr("&Open"));
    QGridLayout *openGrid = configureBox(openBox);
    folderPresetPopup = named<WheelSafeComboBox>("folderPresetPopup");
    folderPresetPopup->setToolTip(tr("The folder to open on the card"));
    for (const RuleEditorLogic::MenuItem &item : RuleEditorLogic::folderMenuItems())
        folderPresetPopup->addItem(item.title, item.tag);
    // 300 wide, or as wide as its longest title.
    folderPresetPopup->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    folderPresetPopup->setMinimumWidth(300);
    addRow(openGrid, tr("Folder"), folderPresetPopup, folderPresetPopup);
    customPathField = named<QLineEdit>("customPathField");
    customPathField->setMinimumWidth(kPathFieldMinimumWidth);
    customPathField->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    browseButton = named<QPushButton>("browseButton", tr("&Browse card\u2026"));
    // The path field stretches with the pane.
    openPathRow
        = addStripRow(openGrid, tr("Path"), { customPathField, browseButton }, 8, customPathField, true);
    openNewestCheckbox = named<QCheckBox>("openNewestCheckbox", tr("Then open the newest folder inside it"));
    addRow(openGrid, {}, openNewestCheckbox);
    selectNewestFileCheckbox
        = named<QCheckBox>("selectNewestFileCheckbox", tr("Then select the newest file in that folder"));
    addRow(openGrid, {}, selectNewestFileCheckbox);

    // Window
    windowBox = named<QGroupBox>("windowBox", tr("Wi&ndow"));
    QGridLayout *windowGrid = configureBox(windowBox);
    placeWindowCheckbox = named<QCheckBox>("placeWindowCheckbox", tr("Place the window"));
    addRow(windowGrid, {}, placeWindowCheckbox);
    leftField = named<QLineEdit>("leftField");
    topField = named<QLineEdit>("topField");
    widthField = named<QLineEdit>("widthField");
    heightField = named<QLineEdit>("heightField");
    const QList<QWidget *> positionRow = addRow(windowGrid, tr("Position"),
        numberGrid({ { tr("Left"), leftField }, { tr("Top"), topField }, { tr("Width"), widthField },
            { tr("Height"), heightField } }));
    // Beside two lines of fields, the label reads with the first.
    positionRow.first()->setMinimumHeight(leftField->sizeHint().height());
    windowGrid->setAlignment(positionRow.first(), Qt::AlignRight | Qt::AlignTop);
    positionHintLabel = named<QLabel>("positionHintLabel");
    positionHintLabel->setWordWrap(true);
    QFont hintFont = positionHintLabel->font();
    hintFont.setPointSizeF(hintFont.pointSizeF() * 0.85);
    positionHintLabel->setFont(hintFont);
    // Two lines at most.
    positionHintLabel->setMaximumHeight(2 * positionHintLabel->fontMetrics().lineSpacing() + 2);
    positionHintRow = addRow(windowGrid, {}, positionHintLabel);
    windowGrid->itemAtPosition(windowGrid->rowCount() - 1, 1)->setAlignment(Qt::Alignment());
    captureButton = named<QPushButton>("captureButton", tr("Ca&pture from front file manager window"));
    addRow(windowGrid, {}, captureButton);
    bringToFrontCheckbox = named<QCheckBox>("bringToFrontCheckbox", tr("Bring the window to the front"));
    addRow(windowGrid, {}, bringToFrontCheckbox);

    // Extras
    extrasBox = named<QGroupBox>("extrasBox", tr("E&xtras"));
    QGridLayout *extrasGrid = configureBox(extrasBox);
    mouseWarpCheckbox = named<QCheckBox>("mouseWarpCheckbox", tr("Move the mouse to"));
    addRow(extrasGrid, {}, mouseWarpCheckbox);
    mouseXField = named<QLineEdit>("mouseXField");
    mouseYField = named<QLineEdit>("mouseYField");
    useCurrentPositionButton
        = named<QPushButton>("useCurrentPositionButton", tr("&Use current mouse position"));
    addRow(extrasGrid, tr("Point"), numberGrid({ { tr("X"), mouseXField }, { tr("Y"), mouseYField } }));
    addRow(extrasGrid, {}, useCurrentPositionButton);
    hideExtrasButton = named<QPushButton>("hideExtrasButton", tr("&Hide extras"));
    addRow(extrasGrid, {}, hideExtrasButton);

    for (QGroupBox *box : { ruleBox, whenBox, openBox, windowBox, extrasBox })
        sections->addWidget(box);
    sections->addStretch(1);
    // Never narrower than the form: on a small screen the window's panes scroll sideways instead.
    pane->setMinimumWidth(document->sizeHint().width() + scrollView->verticalScrollBar()->sizeHint().width());
    applyTones(pane->palette());
}

QList<QWidget *> RuleEditorControls::focusOrder() const
{
    // The sections' controls as they read, top to bottom: the order they were added in.
    QList<QWidget *> order;
    for (QWidget *child : scrollView->widget()->findChildren<QWidget *>()) {
        // A menu's pop-up list is a window of its own, out of the chain.
        if ((child->focusPolicy() & Qt::TabFocus) && child->window() == scrollView->widget()->window())
            order.append(child);
    }
    return order;
}

void RuleEditorControls::applyTones(const QPalette &palette)
{
    // The secondary label colour and the system red, in the variant of the current appearance.
    QPalette empty = emptyLabel->palette();
    empty.setColor(QPalette::WindowText, Appearance::toneColor(Tone::Secondary, palette));
    emptyLabel->setPalette(empty);
    QPalette hint = positionHintLabel->palette();
    hint.setColor(QPalette::WindowText, Appearance::toneColor(Tone::Error, palette));
    positionHintLabel->setPalette(hint);
}

void RuleEditorControls::setRowVisible(const QList<QWidget *> &row, bool visible)
{
    for (QWidget *widget : row)
        widget->setVisible(visible);
}
