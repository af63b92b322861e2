#include "ui/BrowseCardPanel.h"

#include "support/ShownText.h"
#include "ui/Appearance.h"
#include "ui/model/CardFolderBrowser.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

BrowseCardPanel::BrowseCardPanel(CardFolderBrowser &browser, QWidget *parent)
    : QDialog(parent)
    , m_browser(browser)
{
    setObjectName(QStringLiteral("browsePanel"));
    setWindowTitle(tr("Browse Card"));
    setWindowModality(Qt::WindowModal);
    resize(420, 360);

    auto *stack = new QVBoxLayout(this);
    stack->setSpacing(12);
    stack->setContentsMargins(16, 16, 16, 16);

    m_cardPopup = new QComboBox;
    m_cardPopup->setObjectName(QStringLiteral("browseCardPopup"));
    stack->addWidget(m_cardPopup);

    m_table = new QListWidget;
    m_table->setObjectName(QStringLiteral("browseTable"));
    m_table->setMinimumSize(360, 220);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    stack->addWidget(m_table, 1);

    m_chooseButton = new QPushButton(tr("Choose"));
    m_chooseButton->setObjectName(QStringLiteral("browseChooseButton"));
    m_chooseButton->setDefault(true);
    m_cancelButton = new QPushButton(tr("Cancel"));
    m_cancelButton->setObjectName(QStringLiteral("browseCancelButton"));
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_chooseButton);
    stack->addLayout(buttons);

    connect(m_cardPopup, &QComboBox::activated, this, [this](int index) { m_browser.selectCard(index); });
    connect(m_table, &QListWidget::currentRowChanged, this, &BrowseCardPanel::updateChooseEnabled);
    connect(m_table, &QListWidget::itemDoubleClicked, this, &BrowseCardPanel::chooseClicked);
    connect(m_chooseButton, &QPushButton::clicked, this, &BrowseCardPanel::chooseClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    connect(&m_browser, &CardFolderBrowser::changed, this, &BrowseCardPanel::refresh);
    refresh();
}

BrowseCardPanel::~BrowseCardPanel() { }

void BrowseCardPanel::refresh()
{
    rebuildCardMenu();
    m_table->clear();
    for (int row = 0; row < m_browser.rowCount(); ++row) {
        auto *item = new QListWidgetItem(m_browser.rowText(row), m_table);
        if (m_browser.rowIsPlaceholder(row)) {
            item->setForeground(Appearance::toneColor(Tone::Secondary, palette()));
            item->setFlags(Qt::NoItemFlags);
        }
    }
    m_table->setCurrentRow(-1);
    updateChooseEnabled();
}

void BrowseCardPanel::rebuildCardMenu()
{
    QStringList names;
    for (const MountedCard &card : m_browser.cards())
        names.append(ShownText::isolated(card.name));
    QStringList shown;
    for (int index = 0; index < m_cardPopup->count(); ++index)
        shown.append(m_cardPopup->itemText(index));
    if (shown != names) {
        m_cardPopup->clear();
        m_cardPopup->addItems(names);
    }
    const int selected = m_browser.selectedCardIndex();
    m_cardPopup->setCurrentIndex(selected >= 0 && selected < names.size() ? selected : -1);
}

void BrowseCardPanel::updateChooseEnabled()
{
    m_chooseButton->setEnabled(m_browser.pathForRow(m_table->currentRow()).has_value());
}

void BrowseCardPanel::chooseClicked()
{
    const std::optional<QString> path = m_browser.pathForRow(m_table->currentRow());
    if (!path)
        return;
    emit chosen(*path);
    done(QDialog::Accepted);
}
