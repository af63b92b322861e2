#pragma once

#include "rules/RulesProvider.h"

#include <mutex>
#include <optional>

/// Rules and settings held in memory.
class FakeRulesProvider final : public RulesProvider {
    Q_OBJECT
public:
    void load() override { ++m_loads; }
    RuleList rules() const override;
    AppSettings settings() const override;

    void setRules(const RuleList &rules);
    void setSettings(const AppSettings &settings) override;
    int loads() const { return m_loads; }
    /// Later writes fail with `message` (and the value reverts), as on a full disk.
    void failSaves(const QString &message) { m_saveFailure = message; }

private:
    mutable std::mutex m_mutex;
    RuleList m_rules;
    AppSettings m_settings;
    int m_loads = 0;
    std::optional<QString> m_saveFailure;
};
