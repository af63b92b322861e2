#include "ui/AlertBox.h"

#include "support/ShownText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>

namespace {

constexpr int kTextWidth = 340;

} // namespace

AlertBox::AlertBox(Icon icon, const QString &message, const QString &detail, QWidget *parent)
    : QMessageBox(parent)
    , m_message(message)
    , m_detail(detail)
{
    setIcon(icon);
    setWindowTitle(QStringLiteral("Mirvale"));
    setText(ShownText::wrappable(message));
    setInformativeText(ShownText::wrappable(detail));
    // After the detail exists, so that both stay plain: names and paths are user text.
    setTextFormat(Qt::PlainText);
    // The message in bold; both wide enough not to wrap every few words, and both wrapping
    // rather than cutting a long one (plain text turns wrapping off).
    if (auto *label = findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        label->setMinimumWidth(kTextWidth);
        label->setWordWrap(true);
    }
    if (auto *label = findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel")))
        label->setMinimumWidth(kTextWidth);
}

void AlertBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        // The texts as given, without the break marks that only the labels need.
        QGuiApplication::clipboard()->setText(
            m_detail.isEmpty() ? m_message : m_message + QStringLiteral("\n\n") + m_detail);
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}
