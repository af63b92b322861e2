#include "ui/RuleNumberFields.h"

#include "ui/RuleEditorControls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

using namespace RuleEditorLogic;

RuleNumberFields::RuleNumberFields(
    RuleEditorControls &controls, const std::optional<Rule> &rule, std::function<void(const Rule &)> apply)
    : m_controls(controls)
    , m_rule(rule)
    , m_apply(std::move(apply))
{
}

void RuleNumberFields::connectFields(QObject *context)
{
    for (NumberField field : { NumberField::Left, NumberField::Top, NumberField::Width, NumberField::Height,
             NumberField::X, NumberField::Y }) {
        QLineEdit *edit = numberField(field);
        QObject::connect(edit, &QLineEdit::textEdited, context, [this, field] { numberEdited(field); });
        QObject::connect(
            edit, &QLineEdit::editingFinished, context, [this, field] { numberEditingEnded(field); });
    }
}

void RuleNumberFields::numberEdited(NumberField field)
{
    QLineEdit *editing = numberField(field);
    if (field == NumberField::X || field == NumberField::Y) {
        commitMouseWarpFields(false, editing);
        return;
    }
    RuleEditorControls::setRowVisible(m_controls.positionHintRow, false);
    commitPlacementFields(false, editing);
}

void RuleNumberFields::numberEditingEnded(NumberField field)
{
    QLineEdit *editing = numberField(field);
    if (!accepts(field, editing->text()))
        showPositionHint(rangeMessage(field));
    if (field == NumberField::X || field == NumberField::Y)
        commitMouseWarpFields(true, editing);
    else
        commitPlacementFields(true, editing);
}

void RuleNumberFields::commitPlacementFields(bool forceReflect, QLineEdit *editing)
{
    RuleEditorControls &c = m_controls;
    if (!m_rule || !c.placeWindowCheckbox->isChecked() || !m_rule->placement)
        return;
    const Rule edited = withPlacementTexts(*m_rule, true,
        { c.leftField->text(), c.topField->text(), c.widthField->text(), c.heightField->text() });
    if (edited != *m_rule)
        m_apply(edited);
    const Placement placement = *m_rule->placement;
    reflect(placement.left, c.leftField, forceReflect, editing);
    reflect(placement.top, c.topField, forceReflect, editing);
    reflect(placement.width, c.widthField, forceReflect, editing);
    reflect(placement.height, c.heightField, forceReflect, editing);
}

void RuleNumberFields::commitMouseWarpFields(bool forceReflect, QLineEdit *editing)
{
    RuleEditorControls &c = m_controls;
    if (!m_rule || !c.mouseWarpCheckbox->isChecked() || !m_rule->extras.mouseWarp)
        return;
    const Rule edited = withMouseTexts(*m_rule, true, { c.mouseXField->text(), c.mouseYField->text() });
    if (edited != *m_rule)
        m_apply(edited);
    const MousePoint point = *m_rule->extras.mouseWarp;
    reflect(point.x, c.mouseXField, forceReflect, editing);
    reflect(point.y, c.mouseYField, forceReflect, editing);
}

void RuleNumberFields::reflect(qint64 value, QLineEdit *field, bool force, QLineEdit *editing)
{
    // The field being typed in keeps what was typed until editing ends.
    if (field == editing && !force)
        return;
    const QString text = numberText(value);
    if (field->text() != text)
        field->setText(text);
}

void RuleNumberFields::showPositionHint(const QString &message)
{
    m_controls.positionHintLabel->setText(message);
    RuleEditorControls::setRowVisible(m_controls.positionHintRow, true);
}

QLineEdit *RuleNumberFields::numberField(NumberField field) const
{
    switch (field) {
    case NumberField::Left:
        return m_controls.leftField;
    case NumberField::Top:
        return m_controls.topField;
    case NumberField::Width:
        return m_controls.widthField;
    case NumberField::Height:
        return m_controls.heightField;
    case NumberField::X:
        return m_controls.mouseXField;
    case NumberField::Y:
        return m_controls.mouseYField;
    }
    return m_controls.leftField;
}
