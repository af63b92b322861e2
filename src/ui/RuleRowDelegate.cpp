#include "ui/RuleRowDelegate.h"

#include "ui/Appearance.h"
#include "ui/model/RuleListModel.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

namespace {

constexpr int kLeftInset = 12;
constexpr int kCheckboxSize = 16;
constexpr int kSpacing = 8;
constexpr int kLineSpacing = 2;

QFont nameFont(const QFont &base)
{
    QFont font(base);
    font.setPixelSize(13);
    font.setWeight(QFont::DemiBold);
    return font;
}

QFont summaryFont(const QFont &base)
{
    QFont font(base);
    font.setPixelSize(11);
    return font;
}

/// `rect`, laid out left to right in the row, where it goes in the row's own direction.
QRect inDirection(const QStyleOptionViewItem &option, const QRect &rect)
{
    return QStyle::visualRect(option.direction, option.rect, rect);
}

} // namespace

QRect RuleRowDelegate::checkboxRect(const QRect &rowRect)
{
    return { rowRect.left() + kLeftInset, rowRect.top() + (rowRect.height() - kCheckboxSize) / 2,
        kCheckboxSize, kCheckboxSize };
}

void RuleRowDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QPalette &palette = option.palette;
    const bool selected = option.state & QStyle::State_Selected;
    const bool active = option.state & QStyle::State_Active;
    const QPalette::ColorGroup group = active ? QPalette::Active : QPalette::Inactive;

    // The inset style: the selection is a rounded band inside the list, not a full-width bar.
    if (selected) {
        QPainterPath band;
        band.addRoundedRect(QRectF(option.rect.adjusted(5, 2, -5, -2)), 6, 6);
        painter->fillPath(band, palette.color(group, QPalette::Highlight));
    }

    QStyleOptionButton check;
    check.rect = inDirection(option, checkboxRect(option.rect));
    check.state = QStyle::State_Enabled | (option.state & QStyle::State_Active);
    check.state
        |= index.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStyle::State_On : QStyle::State_Off;
    const QWidget *widget = option.widget;
    // The list itself is see-through; the box takes the window's field colour.
    check.palette = widget ? widget->window()->palette() : QGuiApplication::palette();
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &check, painter, widget);

    const QFont name = nameFont(option.font);
    const QFont summary = summaryFont(option.font);
    const QFontMetrics nameMetrics(name);
    const QFontMetrics summaryMetrics(summary);
    const int textLeft = checkboxRect(option.rect).right() + 1 + kSpacing;
    const int textWidth = std::max(0, option.rect.right() - 10 - textLeft);
    const int blockHeight = nameMetrics.height() + kLineSpacing + summaryMetrics.height();
    const int top = option.rect.top() + (option.rect.height() - blockHeight) / 2;

    const QColor textColor = palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    QColor secondary = Appearance::toneColor(Tone::Secondary, palette);
    if (selected) {
        secondary = textColor;
        secondary.setAlphaF(0.78f);
    }

    painter->setFont(name);
    painter->setPen(textColor);
    const Qt::Alignment alignment
        = QStyle::visualAlignment(option.direction, Qt::AlignLeft) | Qt::AlignVCenter;
    painter->drawText(inDirection(option, QRect(textLeft, top, textWidth, nameMetrics.height())), alignment,
        nameMetrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight, textWidth));
    painter->setFont(summary);
    painter->setPen(secondary);
    painter->drawText(
        inDirection(option,
            QRect(textLeft, top + nameMetrics.height() + kLineSpacing, textWidth, summaryMetrics.height())),
        alignment,
        summaryMetrics.elidedText(
            index.data(RuleListModel::SummaryRole).toString(), Qt::ElideRight, textWidth));
    painter->restore();
}

QSize RuleRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    Q_UNUSED(index);
    return { option.rect.width(), kRowHeight };
}

bool RuleRowDelegate::editorEvent(
    QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (!(index.flags() & Qt::ItemIsUserCheckable))
        return false;
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // Swallowed on the checkbox, so a double click does not flip it twice.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        return mouse->button() == Qt::LeftButton
            && inDirection(option, checkboxRect(option.rect)).contains(mouse->position().toPoint())
            && event->type() == QEvent::MouseButtonDblClick;
    }
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton
            || !inDirection(option, checkboxRect(option.rect)).contains(mouse->position().toPoint()))
            return false;
        return model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Space && key != Qt::Key_Select)
            return false;
        return model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    }
    default:
        return false;
    }
}
