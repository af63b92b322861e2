#pragma once

#include <QDialog>

class CardFolderBrowser;
class QComboBox;
class QListWidget;
class QPushButton;

/// The "Browse Card" sheet: a card menu, the card's folders two levels deep, Choose and
/// Cancel. Shows the state of a CardFolderBrowser, which must outlive the sheet; opened
/// window-modal with open().
class BrowseCardPanel : public QDialog {
    Q_OBJECT
public:
    BrowseCardPanel(CardFolderBrowser &browser, QWidget *parent);
    ~BrowseCardPanel() override;

signals:
    /// A folder was chosen; its path relative to the card's root.
    void chosen(const QString &path);

private:
    void refresh();
    void rebuildCardMenu();
    void updateChooseEnabled();
    void chooseClicked();

    CardFolderBrowser &m_browser;
    QComboBox *m_cardPopup = nullptr;
    QListWidget *m_table = nullptr;
    QPushButton *m_chooseButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
