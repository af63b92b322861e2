#pragma once

#include "ScriptedPrompts.h"

#include "common/FakeFileManagerService.h"
#include "common/FakeVolumeWatcher.h"
#include "common/RecordingLogger.h"
#include "platform/linux/PosixFileAccess.h"
#include "rules/RulesStore.h"
#include "ui/model/SettingsWindowModel.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

/// A settings window model over a real rules store in a temporary folder, with a fake
/// file manager, fake cards and scripted answers.
class SettingsModelFixture : public ::testing::Test {
protected:
    SettingsModelFixture();
    ~SettingsModelFixture() override;

    /// Saves `rules` as the stored rules, then builds the model and shows it.
    void showWith(const RuleList &rules);
    void buildModel();
    /// A valid rule matching cards named `volume`.
    static Rule named(const QString &name, const QString &volume);
    static MountedCard card(const QString &name);
    QStringList names() const;
    QString folder() const { return m_temp.path() + QStringLiteral("/Mirvale"); }
    QString path(const QString &name) const { return m_temp.path() + QLatin1Char('/') + name; }
    void writeFile(const QString &name, const QByteArray &data) const;
    /// Runs queued main-thread work.
    static void drain();

    QTemporaryDir m_temp;
    RecordingLogger m_log;
    std::unique_ptr<RulesStore> m_store;
    FakeFileManagerService m_fileManager;
    FakeVolumeWatcher m_cards { [](const MountedCard &) {} };
    ScriptedPrompts m_prompts;
    QList<std::pair<Rule, MountedCard>> m_tests;
    std::unique_ptr<SettingsWindowModel> m_model;
};
