#include "ui/RuleEditorView.h"

// A placeholder pane until the editor's sections are built.
RuleEditorView::RuleEditorView(Services services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("ruleEditor"));
}

RuleEditorView::~RuleEditorView() = default;

void RuleEditorView::setRule(const std::optional<Rule> &rule)
{
    m_rule = rule;
}

void RuleEditorView::setMountedCards(const QList<MountedCard> &cards)
{
    m_mountedCards = cards;
}

void RuleEditorView::setExtrasRevealed(bool revealed)
{
    m_extrasRevealed = revealed;
}
