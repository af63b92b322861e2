#pragma once

#include "rules/Rule.h"

#include <QAbstractTableModel>

/// The settings window's working copy of the rules, one row per rule in matching order and
/// a single column. The checkbox of a row is the rule's enabled flag.
class RuleListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        /// The match summary and the open summary on one line.
        SummaryRole = Qt::UserRole + 1,
        /// The rule's id as a QUuid.
        RuleIdRole,
        /// What assistive technology reads for the row's checkbox.
        EnabledLabelRole,
    };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    /// Only the check state is editable; it sets the rule's enabled flag.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    const RuleList &rules() const { return m_rules; }
    /// Replaces the whole list.
    void setRules(const RuleList &rules);
    void append(const Rule &rule);
    void removeAt(int row);
    /// Moves one rule from `from` to `to` (both valid rows).
    void moveRule(int from, int to);
    /// Replaces the rule with the same id; the row, or -1 when there is none.
    int replace(const Rule &rule);
    /// The row of the rule with `id`, or -1.
    int rowOf(const QUuid &id) const;

signals:
    /// The user flipped the enabled checkbox of `row`.
    void enabledToggled(int row);

private:
    bool isValidRow(int row) const { return row >= 0 && row < m_rules.size(); }

    RuleList m_rules;
};
