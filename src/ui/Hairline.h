#pragma once

#include <QWidget>

/// A one-point separator line between panes, in the separator colour.
class Hairline : public QWidget {
    Q_OBJECT
public:
    explicit Hairline(Qt::Orientation orientation, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
