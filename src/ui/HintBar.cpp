#include "ui/HintBar.h"

#include "ui/model/FirstRunHint.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

HintBar::HintBar(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("firstRunHint"));
    auto *box = new QFrame;
    box->setFrameShape(QFrame::StyledPanel);
    box->setAccessibleName(tr("Hint"));
    m_message = new QLabel;
    m_message->setObjectName(QStringLiteral("hintMessage"));
    QFont bold = m_message->font();
    bold.setBold(true);
    m_message->setFont(bold);
    m_text = new QLabel;
    m_text->setObjectName(QStringLiteral("hintText"));
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    m_open = new QPushButton;
    m_open->setObjectName(QStringLiteral("openSettingsButton"));
    m_open->setAutoDefault(false);
    m_dismiss = new QPushButton;
    m_dismiss->setObjectName(QStringLiteral("gotItButton"));
    m_dismiss->setAutoDefault(false);
    connect(m_open, &QPushButton::clicked, this, [this] {
        QProcess::startDetached(m_program, m_arguments);
        hide();
    });
    connect(m_dismiss, &QPushButton::clicked, this, &QWidget::hide);

    auto *text = new QVBoxLayout;
    text->setSpacing(2);
    text->addWidget(m_message);
    text->addWidget(m_text);
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->addLayout(text, 1);
    layout->addWidget(m_open, 0, Qt::AlignVCenter);
    layout->addWidget(m_dismiss, 0, Qt::AlignVCenter);
    // Apart from the panes below it.
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 12);
    outer->addWidget(box);
    hide();
}

void HintBar::showHint(const FirstRunHint &hint)
{
    m_message->setText(hint.message);
    m_text->setText(hint.informativeText);
    m_open->setText(hint.openButtonTitle);
    m_open->setVisible(!hint.openButtonTitle.isEmpty());
    m_dismiss->setText(FirstRunHint::dismissButtonTitle());
    m_program = hint.program;
    m_arguments = hint.arguments;
    setAccessibleDescription(hint.message + QLatin1Char(' ') + hint.informativeText);
    show();
}
