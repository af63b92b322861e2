#include "ui/SettingsBottomBar.h"

#include "ui/Appearance.h"
#include "ui/model/SettingsWindowModel.h"
#include "ui/model/TestMenuModel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

void setPixelSize(QWidget *widget, int size)
{
    QFont font = widget->font();
    font.setPixelSize(size);
    widget->setFont(font);
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

} // namespace

SettingsBottomBar::SettingsBottomBar(SettingsWindowModel &model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
{
    setObjectName(QStringLiteral("bottomBar"));
    setMinimumHeight(24);

    m_dot = new QLabel(QStringLiteral("\u25cf"));
    m_dot->setObjectName(QStringLiteral("fileManagerDot"));
    setPixelSize(m_dot, 14);
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("fileManagerStatusLabel"));
    m_status->setTextFormat(Qt::PlainText);
    setPixelSize(m_status, 12);
    // As wide as its longest text, so that "Check…" stays put whatever the answer.
    int statusWidth = 0;
    for (const auto state : { FileManagerStatus::State::NotChecked, FileManagerStatus::State::Checking,
             FileManagerStatus::State::Allowed, FileManagerStatus::State::NotAllowed })
        statusWidth = std::max(
            statusWidth, m_status->fontMetrics().horizontalAdvance(FileManagerStatus { state, {} }.text()));
    m_status->setMinimumWidth(statusWidth + 2);
    auto *check = new QPushButton(tr("&Check\u2026"));
    check->setObjectName(QStringLiteral("checkButton"));
    setPixelSize(check, 12);
    check->setAutoDefault(false);

    m_testMenu = new QMenu(this);
    m_testMenu->setObjectName(QStringLiteral("testMenu"));
    m_testPopup = new QPushButton;
    m_testPopup->setObjectName(QStringLiteral("testPopup"));
    m_testPopup->setMenu(m_testMenu);
    m_testPopup->setAutoDefault(false);
    // Room for the menu arrow beside the title.
    m_testPopup->setMinimumWidth(m_testPopup->fontMetrics().horizontalAdvance(TestMenuModel::title()) + 44);

    m_save = new QPushButton(tr("Save"));
    m_save->setObjectName(QStringLiteral("saveButton"));
    m_save->setDefault(true);
    m_save->setToolTip(
        tr("Save the rules (%1)").arg(QKeySequence(QKeySequence::Save).toString(QKeySequence::NativeText)));
    m_save->setMinimumWidth(80);

    m_focusOrder = { check, m_testPopup, m_save };
    connect(check, &QPushButton::clicked, &m_model, &SettingsWindowModel::checkFileManager);
    connect(m_save, &QPushButton::clicked, &m_model, [this] { m_model.trySave(); });

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    auto *status = new QHBoxLayout;
    status->setSpacing(6);
    status->addWidget(m_dot);
    status->addWidget(m_status);
    layout->addLayout(status);
    layout->addWidget(check);
    layout->addStretch(1);
    layout->addWidget(m_testPopup);
    layout->addWidget(m_save);

    connect(
        &model, &SettingsWindowModel::fileManagerChanged, this, &SettingsBottomBar::showFileManagerStatus);
    connect(&model, &SettingsWindowModel::testMenuChanged, this, &SettingsBottomBar::showTestMenu);
    connect(&model, &SettingsWindowModel::saveStateChanged, this, &SettingsBottomBar::showSaveState);
    showFileManagerStatus();
    showTestMenu();
    showSaveState();
}

void SettingsBottomBar::showFileManagerStatus()
{
    const FileManagerStatus status = m_model.fileManagerStatus();
    m_status->setText(status.text());
    // The dot is the state's colour; read aloud or hovered, it says the state in words.
    m_dot->setAccessibleName(status.text());
    m_dot->setToolTip(status.text());
    setTextColor(m_status, Appearance::toneColor(Tone::Secondary, palette()));
    setTextColor(m_dot, Appearance::toneColor(status.dotTone(), palette()));
}

void SettingsBottomBar::showTestMenu()
{
    const QStringList items = m_model.testMenuItems();
    if (items != m_testItems) {
        // Item 0 is the title, shown on the button; the menu lists the cards.
        m_testItems = items;
        // With its Alt key; a title from elsewhere keeps any '&' it has as text.
        m_testPopup->setText(
            QStringLiteral("&") + QString(items.value(0)).replace(u'&', QStringLiteral("&&")));
        m_testMenu->clear();
        for (int index = 1; index < items.size(); ++index) {
            // A card named "R&D" is shown as such, not with a shortcut letter.
            QAction *action
                = m_testMenu->addAction(QString(items.at(index)).replace(u'&', QStringLiteral("&&")));
            connect(action, &QAction::triggered, &m_model, [this, index] { m_model.testItemChosen(index); });
        }
    }
    m_testPopup->setEnabled(m_model.isTestMenuEnabled());
}

void SettingsBottomBar::showSaveState()
{
    m_save->setText(m_model.isDirty() ? QStringLiteral("&") + m_model.saveTitle() : m_model.saveTitle());
    m_save->setEnabled(m_model.isDirty());
}

void SettingsBottomBar::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        showFileManagerStatus();
}
