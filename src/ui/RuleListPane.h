#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QToolButton;
class SettingsWindowModel;

/// The left pane of the settings window: the rule list and its buttons, the validation
/// line and the "General" switches.
class RuleListPane : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 320;
    static constexpr int kValidationLines = 2;

    explicit RuleListPane(SettingsWindowModel &model, QWidget *parent = nullptr);

protected:
    /// Colours are set per label; a new palette (the desktop went dark) recolours them.
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildButtonRow();
    QWidget *buildGeneralBox();
    QToolButton *symbolButton(const QString &objectName, const QString &accessibleName);
    void showValidation();
    void loadGeneralToggles();
    void showCameraCards();

    SettingsWindowModel &m_model;
    QTableView *m_table = nullptr;
    QLabel *m_validationLabel = nullptr;
    QCheckBox *m_handleAtLaunch = nullptr;
    QCheckBox *m_showPanels = nullptr;
    QCheckBox *m_showUnmount = nullptr;
    QCheckBox *m_mountInserted = nullptr;
    QComboBox *m_reportWith = nullptr;
    QLabel *m_cameraCardsLabel = nullptr;
    QPushButton *m_cameraCardsButton = nullptr;
};
