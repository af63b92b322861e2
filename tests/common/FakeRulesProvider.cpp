#include "common/FakeRulesProvider.h"

RuleList FakeRulesProvider::rules() const
{
    std::lock_guard lock(m_mutex);
    return m_rules;
}

AppSettings FakeRulesProvider::settings() const
{
    std::lock_guard lock(m_mutex);
    return m_settings;
}

void FakeRulesProvider::setRules(const RuleList &rules)
{
    std::lock_guard lock(m_mutex);
    m_rules = rules;
}

void FakeRulesProvider::setSettings(const AppSettings &settings)
{
    AppSettings before;
    {
        std::lock_guard lock(m_mutex);
        before = std::exchange(m_settings, settings);
    }
    // As the real store does: the change is announced at once, the write's outcome later.
    emit settingsChanged();
    QMetaObject::invokeMethod(
        this,
        [this, before] {
            if (!m_saveFailure) {
                emit settingsSaved();
                return;
            }
            {
                std::lock_guard lock(m_mutex);
                m_settings = before;
            }
            emit settingsChanged();
            emit settingsSaveFailed(*m_saveFailure);
        },
        Qt::QueuedConnection);
}
