#include "SettingsModelFixture.h"

#include "common/PollUntil.h"
#include "platform/linux/PosixFileAccess.h"

#include <QCoreApplication>
#include <QFile>

SettingsModelFixture::SettingsModelFixture()
    : m_store(std::make_unique<RulesStore>(folder(), m_log, std::make_shared<PosixFileAccess>()))
{
    m_store->load();
    m_log.clear();
}

SettingsModelFixture::~SettingsModelFixture()
{
    m_model.reset();
    m_store->waitForPendingWrites();
    drain();
}

void SettingsModelFixture::buildModel()
{
    SettingsWindowModel::Services services;
    services.store = m_store.get();
    services.fileManager = &m_fileManager;
    services.log = &m_log;
    services.cards = &m_cards;
    services.testRule = [this](const Rule &rule, const MountedCard &card) { m_tests.append({ rule, card }); };
    m_model = std::make_unique<SettingsWindowModel>(services, m_prompts);
}

void SettingsModelFixture::showWith(const RuleList &rules)
{
    m_store->save(rules);
    m_log.clear();
    buildModel();
    m_model->show(false, false);
}

Rule SettingsModelFixture::named(const QString &name, const QString &volume)
{
    Rule rule = Rule::makeNew();
    rule.name = name;
    rule.match = VolumeMatch::volumeName(volume);
    return rule;
}

MountedCard SettingsModelFixture::card(const QString &name)
{
    MountedCard card;
    card.url = QUrl::fromLocalFile(QStringLiteral("/media/me/") + name);
    card.name = name;
    card.isRemovable = true;
    return card;
}

QStringList SettingsModelFixture::names() const
{
    QStringList names;
    for (const Rule &rule : m_model->workingRules())
        names.append(rule.name);
    return names;
}

void SettingsModelFixture::writeFile(const QString &name, const QByteArray &data) const
{
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
}

void SettingsModelFixture::drain()
{
    bool done = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&done] { done = true; }, Qt::QueuedConnection);
    pollUntil([&done] { return done; });
}
