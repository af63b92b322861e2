#pragma once

#include <QMessageBox>

/// Mirvale's alerts: a short message in bold over its wrapped detail, both shown whole however
/// long a path or name in them runs, in a box of a readable width. Ctrl+C copies both as given.
class AlertBox : public QMessageBox {
    Q_OBJECT
public:
    AlertBox(Icon icon, const QString &message, const QString &detail, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_message;
    QString m_detail;
};
