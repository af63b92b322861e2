#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QKeySequence;
class QListView;
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

    /// The pane's controls in the order Tab visits them.
    QList<QWidget *> focusOrder() const;

    /// As wide as its widest text needs, never narrower than kWidth; never squeezed below it.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    /// A tooltip that names the key doing the same.
    static QString withKey(const QString &text, const QKeySequence &key);

protected:
    /// Colours are set per label; a new palette (the desktop went dark) recolours them.
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildButtonRow();
    QWidget *buildGeneralBox();
    QToolButton *symbolButton(
        const QString &objectName, const QString &accessibleName, const QKeySequence &key);
    void showValidation();
    void loadGeneralToggles();
    void showCameraCards();

    SettingsWindowModel &m_model;
    QListView *m_table = nullptr;
    QList<QWidget *> m_focusOrder;
    QWidget *m_generalBox = nullptr;
    QLabel *m_validationLabel = nullptr;
    QCheckBox *m_handleAtLaunch = nullptr;
    QCheckBox *m_showPanels = nullptr;
    QCheckBox *m_showUnmount = nullptr;
    QCheckBox *m_mountInserted = nullptr;
    QComboBox *m_reportWith = nullptr;
    QLabel *m_cameraCardsLabel = nullptr;
    QPushButton *m_cameraCardsButton = nullptr;
};
