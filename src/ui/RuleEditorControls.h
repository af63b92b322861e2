#pragma once

#include <QCoreApplication>
#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QPalette;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;

/// The rule editor's controls, built in the order of the form: the empty message, and a
/// scroll area with the five sections. Every control carries its object name for tests.
struct RuleEditorControls {
    Q_DECLARE_TR_FUNCTIONS(RuleEditorControls)

public:
    QLabel *emptyLabel = nullptr;
    QScrollArea *scrollView = nullptr;

    QGroupBox *ruleBox = nullptr;
    QGroupBox *whenBox = nullptr;
    QGroupBox *openBox = nullptr;
    QGroupBox *windowBox = nullptr;
    QGroupBox *extrasBox = nullptr;

    QLineEdit *nameField = nullptr;
    QCheckBox *enabledCheckbox = nullptr;

    QButtonGroup *matchGroup = nullptr;
    QRadioButton *namedRadio = nullptr;
    QLineEdit *volumeNameField = nullptr;
    QComboBox *pickMountedCardPopup = nullptr;
    QRadioButton *anyCardRadio = nullptr;

    QComboBox *folderPresetPopup = nullptr;
    QList<QWidget *> openPathRow; ///< the Path row's label and content
    QLineEdit *customPathField = nullptr;
    QPushButton *browseButton = nullptr;
    QCheckBox *openNewestCheckbox = nullptr;
    QCheckBox *selectNewestFileCheckbox = nullptr;

    QCheckBox *placeWindowCheckbox = nullptr;
    QLineEdit *leftField = nullptr;
    QLineEdit *topField = nullptr;
    QLineEdit *widthField = nullptr;
    QLineEdit *heightField = nullptr;
    QList<QWidget *> positionHintRow;
    QLabel *positionHintLabel = nullptr;
    QPushButton *captureButton = nullptr;
    QCheckBox *bringToFrontCheckbox = nullptr;

    QCheckBox *mouseWarpCheckbox = nullptr;
    QLineEdit *mouseXField = nullptr;
    QLineEdit *mouseYField = nullptr;
    QPushButton *useCurrentPositionButton = nullptr;
    QPushButton *hideExtrasButton = nullptr;

    /// Builds everything as children of `pane`, which gets its layout.
    void build(QWidget *pane);

    /// The sections' controls in the order Tab visits them.
    QList<QWidget *> focusOrder() const;

    /// Colours that follow the appearance: the empty message and the range hint.
    void applyTones(const QPalette &palette);

    static void setRowVisible(const QList<QWidget *> &row, bool visible);
};
