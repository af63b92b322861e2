#include "ui/NotificationPanel.h"

#include "support/ShownText.h"
#include "ui/AccessibleRoles.h"
#include "ui/PanelSymbol.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QPainterPath roundedOutline(const QRectF &rect)
{
    QPainterPath path;
    path.addRoundedRect(rect, NotificationPanel::kCornerRadius, NotificationPanel::kCornerRadius);
    return path;
}

/// A text colour with some of the background showing through, for the panel's second line.
QColor secondaryText(const QPalette &palette)
{
    QColor color = palette.color(QPalette::WindowText);
    color.setAlphaF(0.68f);
    return color;
}

} // namespace

NotificationPanel::NotificationPanel(const PanelContent &content, PanelView::Events events,
    std::function<bool()> seeThroughWorks, QWidget *parent)
    : QWidget(
        parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
    , m_events(std::move(events))
    , m_isProblem(content.isProblem)
    , m_title(ShownText::isolated(content.title))
    , m_seeThroughWorks(std::move(seeThroughWorks))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setObjectName(QStringLiteral("notificationPanel"));
    setWindowTitle(m_title);
    // Read by a screen reader as it appears: its role, then the card's name and the report. The
    // panel never takes the focus; the tray menu's line for the card offers the same.
    AccessibleRoles::install();
    setProperty("isProblem", content.isProblem);
    //: What a screen reader says as a report panel appears: the card's name, then the report.
    setAccessibleName(tr("%1: %2").arg(m_title, content.body));
    setAccessibleDescription(content.hasUnmount
            ? tr("From the keyboard: the card's line in Mirvale's tray menu opens it, and Unmount there "
                 "unmounts it.")
            : tr("From the keyboard: the card's line in Mirvale's tray menu opens it."));
    buildContent(content);
}

void NotificationPanel::buildContent(const PanelContent &content)
{
    m_symbol = new QLabel(this);
    m_symbol->setFixedSize(kSymbolSize, kSymbolSize);
    if (content.isProblem)
        m_symbol->setAccessibleName(tr("Problem"));

    QFont titleFont = font();
    // In device-independent pixels, like the rest of the panel.
    titleFont.setPixelSize(13);
    titleFont.setBold(true);
    m_titleLabel = new QLabel(this);
    m_titleLabel->setObjectName(QStringLiteral("panelTitle"));
    m_titleLabel->setFont(titleFont);
    m_titleLabel->setTextFormat(Qt::PlainText);
    m_titleLabel->setAccessibleName(m_title);

    QFont bodyFont = font();
    bodyFont.setPixelSize(12);
    m_bodyLabel = new QLabel(this);
    m_bodyLabel->setObjectName(QStringLiteral("panelBody"));
    m_bodyLabel->setFont(bodyFont);
    m_bodyLabel->setTextFormat(Qt::PlainText);
    m_bodyLabel->setWordWrap(true);
    m_bodyLabel->setText(content.body);

    auto *text = new QVBoxLayout;
    text->setContentsMargins(0, 0, 0, 0);
    text->setSpacing(3);
    text->addWidget(m_titleLabel);
    text->addWidget(m_bodyLabel);

    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    row->addWidget(m_symbol, 0, Qt::AlignTop);
    row->addLayout(text);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(12, 12, 12, 12);
    outer->setSpacing(8);
    outer->addLayout(row);
    if (content.hasUnmount) {
        m_unmountButton = new QPushButton(tr("Unmount"), this);
        m_unmountButton->setObjectName(QStringLiteral("unmountButton"));
        m_unmountButton->setFocusPolicy(Qt::NoFocus);
        m_unmountButton->setAutoDefault(false);
        QFont small = font();
        small.setPixelSize(11);
        m_unmountButton->setFont(small);
        m_unmountButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        connect(m_unmountButton, &QPushButton::clicked, this, [this] {
            if (m_events.unmountPressed)
                m_events.unmountPressed();
        });
        outer->addWidget(m_unmountButton, 0, Qt::AlignLeft);
    }

    // As wide as today's English at least; wider where a button's text needs it, within the screen.
    const int margins = outer->contentsMargins().left() + outer->contentsMargins().right();
    int width = kWidth;
    if (m_unmountButton)
        width = std::max(width, m_unmountButton->sizeHint().width() + margins);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        width = std::max(kWidth, std::min(width, screen->availableGeometry().width() - 2 * kScreenInset));
    const int textWidth = width - (kWidth - kTextWidth);
    m_titleLabel->setFixedWidth(textWidth);
    m_titleLabel->setText(QFontMetrics(titleFont).elidedText(m_title, Qt::ElideRight, textWidth));
    m_bodyLabel->setFixedWidth(textWidth);

    applyColors();
    outer->activate();
    const int height
        = outer->hasHeightForWidth() ? outer->totalHeightForWidth(width) : outer->totalSizeHint().height();
    setFixedSize(width, std::max(1, height));
}

void NotificationPanel::applyColors()
{
    const qreal ratio = devicePixelRatioF();
    m_symbol->setPixmap(m_isProblem
            ? PanelSymbol::problem(kSymbolSize, ratio)
            : PanelSymbol::report(palette().color(QPalette::WindowText), kSymbolSize, ratio));
    QPalette bodyPalette = m_bodyLabel->palette();
    bodyPalette.setColor(QPalette::WindowText, secondaryText(palette()));
    m_bodyLabel->setPalette(bodyPalette);
}

void NotificationPanel::fadeOut(std::function<void()> done)
{
    if (m_fade)
        return;
    m_fade = new QPropertyAnimation(this, QByteArrayLiteral("windowOpacity"), this);
    m_fade->setDuration(int(kFadeDuration.count()));
    m_fade->setStartValue(windowOpacity());
    m_fade->setEndValue(0.0);
    connect(m_fade, &QPropertyAnimation::finished, this, [this, done = std::move(done)] {
        hide();
        done();
    });
    m_fade->start();
}

void NotificationPanel::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = palette().color(QPalette::Window);
    fill.setAlphaF(0.96f);
    QColor edge = palette().color(QPalette::WindowText);
    edge.setAlphaF(0.16f);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(fill);
    painter.drawPath(roundedOutline(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5)));
}

void NotificationPanel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (m_events.clicked)
        m_events.clicked();
}

void NotificationPanel::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    if (m_events.pointerEntered)
        m_events.pointerEntered();
}

void NotificationPanel::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    if (m_events.pointerExited)
        m_events.pointerExited();
}

void NotificationPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateShape();
}

void NotificationPanel::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_symbol)
        applyColors();
}

void NotificationPanel::updateShape()
{
    // Without a compositor the see-through corners would show black; cut them off instead.
    if (!m_seeThroughWorks || m_seeThroughWorks())
        clearMask();
    else
        setMask(QRegion(roundedOutline(QRectF(rect())).toFillPolygon().toPolygon()));
}
