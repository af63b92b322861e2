#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QMenu;
class QPushButton;
class SettingsWindowModel;

/// The bottom bar of the settings window: the file-manager automation status with its
/// "Check…" button on the left, the test menu and Save on the right.
class SettingsBottomBar : public QWidget {
    Q_OBJECT
public:
    explicit SettingsBottomBar(SettingsWindowModel &model, QWidget *parent = nullptr);

    QPushButton *saveButton() const { return m_save; }
    /// The bar's controls in the order Tab visits them.
    QList<QWidget *> focusOrder() const { return m_focusOrder; }

protected:
    /// Colours are set per label; a new palette (the desktop went dark) recolours them.
    void changeEvent(QEvent *event) override;

private:
    void showFileManagerStatus();
    void showTestMenu();
    void showSaveState();

    SettingsWindowModel &m_model;
    QLabel *m_dot = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_testPopup = nullptr;
    QMenu *m_testMenu = nullptr;
    QStringList m_testItems;
    QPushButton *m_save = nullptr;
    QList<QWidget *> m_focusOrder;
};
