#pragma once

#include "rules/Rule.h"
#include "ui/model/RuleEditorLogic.h"

#include <functional>
#include <optional>

class QLineEdit;
class QObject;
class QString;
struct RuleEditorControls;

/// The rule editor's placement and mouse-warp number fields: what is typed goes into the rule
/// as it is typed, and the rule's values come back into the fields (the one being typed in
/// keeps its text until editing ends).
class RuleNumberFields {
public:
    using NumberField = RuleEditorLogic::NumberField;

    /// `rule` is the editor's rule shown; `apply` stores an edit of it.
    RuleNumberFields(RuleEditorControls &controls, const std::optional<Rule> &rule,
        std::function<void(const Rule &)> apply);

    /// Connects the six fields' edits, with `context` (the editor) as the connections' context.
    void connectFields(QObject *context);

private:
    void numberEdited(NumberField field);
    void numberEditingEnded(NumberField field);
    void commitPlacementFields(bool forceReflect, QLineEdit *editing);
    void commitMouseWarpFields(bool forceReflect, QLineEdit *editing);
    void reflect(qint64 value, QLineEdit *field, bool force, QLineEdit *editing);
    void showPositionHint(const QString &message);
    QLineEdit *numberField(NumberField field) const;

    RuleEditorControls &m_controls;
    const std::optional<Rule> &m_rule;
    const std::function<void(const Rule &)> m_apply;
};
