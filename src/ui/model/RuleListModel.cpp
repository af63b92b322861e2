#include "ui/model/RuleListModel.h"

int RuleListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rules.size());
}

int RuleListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant RuleListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Rule &rule = m_rules.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return rule.name;
    // The row's check box is drawn, not a widget: the row stands for it to assistive tools.
    case Qt::AccessibleTextRole:
    case EnabledLabelRole:
        //: What a screen reader says for a rule's check box; %1 is the rule's name.
        return tr("Enabled: %1").arg(rule.name);
    case Qt::CheckStateRole:
        return rule.enabled ? Qt::Checked : Qt::Unchecked;
    // The row's second line, read after its name.
    case Qt::AccessibleDescriptionRole:
    case SummaryRole:
        //: A rule's second line: which cards it matches, then what it opens.
        return tr("%1 \u00b7 %2").arg(rule.matchSummary(), rule.openSummary());
    case RuleIdRole:
        return rule.id;
    default:
        return {};
    }
}

bool RuleListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole
        || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    const bool enabled = value.toInt() == Qt::Checked;
    m_rules[index.row()].enabled = enabled;
    emit dataChanged(index, index, { Qt::CheckStateRole });
    emit enabledToggled(index.row());
    return true;
}

Qt::ItemFlags RuleListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren;
}

void RuleListModel::setRules(const RuleList &rules)
{
    beginResetModel();
    m_rules = rules;
    endResetModel();
}

void RuleListModel::append(const Rule &rule)
{
    const int row = int(m_rules.size());
    beginInsertRows({}, row, row);
    m_rules.append(rule);
    endInsertRows();
}

void RuleListModel::removeAt(int row)
{
    if (!isValidRow(row))
        return;
    beginRemoveRows({}, row, row);
    m_rules.removeAt(row);
    endRemoveRows();
}

void RuleListModel::moveRule(int from, int to)
{
    if (!isValidRow(from) || !isValidRow(to) || from == to)
        return;
    // Qt counts the destination before the move: moving down lands in front of row to + 1.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    m_rules.move(from, to);
    endMoveRows();
}

int RuleListModel::replace(const Rule &rule)
{
    const int row = rowOf(rule.id);
    if (row < 0)
        return -1;
    m_rules[row] = rule;
    const QModelIndex changed = index(row, 0);
    emit dataChanged(changed, changed);
    return row;
}

int RuleListModel::rowOf(const QUuid &id) const
{
    for (int row = 0; row < m_rules.size(); ++row) {
        if (m_rules.at(row).id == id)
            return row;
    }
    return -1;
}
