#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
struct FirstRunHint;

/// The first-run hint inside the settings window, above the panes: a bar, not a window of its
/// own, so that a first start puts up one window at most. Hidden until shown; "Got it" hides it.
class HintBar : public QWidget {
    Q_OBJECT
public:
    explicit HintBar(QWidget *parent = nullptr);

    void showHint(const FirstRunHint &hint);

private:
    QLabel *m_message = nullptr;
    QLabel *m_text = nullptr;
    QPushButton *m_open = nullptr;
    QPushButton *m_dismiss = nullptr;
    QString m_program;
    QStringList m_arguments;
};
