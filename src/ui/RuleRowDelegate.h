#pragma once

#include <QStyledItemDelegate>

/// One row of the rule list: the enabled checkbox, then the rule's name over its summary,
/// both cut short at the end. A click on the checkbox flips the rule's enabled flag.
class RuleRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 46;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(
        QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    /// Where the checkbox of a row drawn in `rowRect` sits.
    static QRect checkboxRect(const QRect &rowRect);

protected:
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
        const QModelIndex &index) override;
};
