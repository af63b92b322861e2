#include "SettingsModelFixture.h"

#include "rules/RulesFormat.h"

#include <QFile>

namespace {

using ImportChoice = SettingsPrompts::ImportChoice;
using SaveChoice = SettingsPrompts::SaveChoice;

class RuleTransferTest : public SettingsModelFixture {
protected:
    void SetUp() override
    {
        m_saved = { named(QStringLiteral("A"), QStringLiteral("CARD_A")),
            named(QStringLiteral("B"), QStringLiteral("CARD_B")),
            named(QStringLiteral("C"), QStringLiteral("CARD_C")) };
        showWith(m_saved);
        m_prompts.importFile = path(QStringLiteral("import.json"));
        m_prompts.exportFile = path(QStringLiteral("Mirvale Rules.json"));
    }

    /// An import file of D and E, where E reuses B's id.
    void writeImport()
    {
        Rule e = named(QStringLiteral("E"), QStringLiteral("CARD_E"));
        e.id = m_saved.at(1).id;
        writeFile(QStringLiteral("import.json"),
            RulesFormat::encodeRules({ named(QStringLiteral("D"), QStringLiteral("CARD_D")), e }));
    }

    QString selectedName() const { return m_model->editorRule() ? m_model->editorRule()->name : QString(); }

    RuleList m_saved;
};

TEST_F(RuleTransferTest, ImportAppendsOrReplacesAndKeepsTheSelection)
{
    const struct {
        const char *name;
        ImportChoice choice;
        QStringList after;
        QString selected;
    } cases[] = {
        { "append", ImportChoice::Append,
            { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
                QStringLiteral("E") },
            QStringLiteral("B") },
        // B's rule is gone, though its id lives on in E: the selection follows the id.
        { "replace", ImportChoice::Replace, { QStringLiteral("D"), QStringLiteral("E") },
            QStringLiteral("E") },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        writeImport();
        m_prompts.importMode = c.choice;
        m_model->selectRow(1);
        m_model->importRules();
        EXPECT_EQ(
            m_prompts.asked, QStringList({ QStringLiteral("importMode"), QStringLiteral("importFile") }));
        EXPECT_EQ(names(), c.after);
        EXPECT_EQ(selectedName(), c.selected);
        EXPECT_FALSE(m_model->isDirty());
        EXPECT_TRUE(m_log.contains(QStringLiteral("[INFO] Imported 2 rule(s) from import.json")));
        m_log.clear();
        m_prompts.asked.clear();
    }
    // Appended, E got a fresh id; replaced, it keeps B's.
    EXPECT_EQ(m_model->workingRules().at(1).id, m_saved.at(1).id);
}

TEST_F(RuleTransferTest, ASelectionThatIsGoneFallsBackToTheFirstRow)
{
    writeFile(QStringLiteral("import.json"),
        RulesFormat::encodeRules({ named(QStringLiteral("D"), QStringLiteral("CARD_D")) }));
    m_prompts.importMode = ImportChoice::Replace;
    m_model->selectRow(2);
    m_model->importRules();
    EXPECT_EQ(names(), QStringList { QStringLiteral("D") });
    EXPECT_EQ(m_model->selectedRow(), 0);
}

TEST_F(RuleTransferTest, UnsavedEditsAreSavedDiscardedOrKeptFirst)
{
    const struct {
        const char *name;
        SaveChoice choice;
        QStringList asked;
        QStringList after;
    } cases[] = {
        { "save", SaveChoice::Save,
            { QStringLiteral("saveBeforeImport"), QStringLiteral("importMode"),
                QStringLiteral("importFile") },
            { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("D"), QStringLiteral("E") } },
        { "discard", SaveChoice::Discard,
            { QStringLiteral("saveBeforeImport"), QStringLiteral("importMode"),
                QStringLiteral("importFile") },
            { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
                QStringLiteral("E") } },
        { "cancel", SaveChoice::Cancel, { QStringLiteral("saveBeforeImport") },
            { QStringLiteral("A"), QStringLiteral("B") } },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        writeImport();
        m_prompts.asked.clear();
        m_prompts.saveBeforeImport = c.choice;
        m_prompts.importMode = ImportChoice::Append;
        m_model->selectRow(2);
        m_model->removeRule(); // the unsaved edit: C removed
        m_model->importRules();
        EXPECT_EQ(m_prompts.asked, c.asked);
        EXPECT_EQ(names(), c.after);
    }
}

TEST_F(RuleTransferTest, ARefusedSaveStopsTheImport)
{
    writeImport();
    Rule broken = *m_model->editorRule();
    broken.name = QString();
    m_model->editorChanged(broken);
    m_prompts.saveBeforeImport = SaveChoice::Save;
    m_prompts.importMode = ImportChoice::Append;
    m_model->importRules();
    EXPECT_EQ(
        m_prompts.asked, QStringList({ QStringLiteral("saveBeforeImport"), QStringLiteral("saveRefused") }));
    EXPECT_EQ(m_model->workingRules().at(0).name, QString());
}

TEST_F(RuleTransferTest, CancelledChoicesStopQuietly)
{
    writeImport();
    m_prompts.importMode = ImportChoice::Cancel;
    m_model->importRules();
    EXPECT_EQ(m_prompts.asked, QStringList { QStringLiteral("importMode") });

    m_prompts.asked.clear();
    m_prompts.importMode = ImportChoice::Append;
    m_prompts.importFile = QString();
    m_model->importRules();
    m_prompts.exportFile = QString();
    m_model->exportRules();
    EXPECT_EQ(m_prompts.asked,
        QStringList(
            { QStringLiteral("importMode"), QStringLiteral("importFile"), QStringLiteral("exportFile") }));
    EXPECT_EQ(m_model->workingRules(), m_saved);
    EXPECT_TRUE(m_log.lines().isEmpty());
}

TEST_F(RuleTransferTest, AFailedImportShowsTheErrorAndKeepsTheWorkingCopy)
{
    writeFile(QStringLiteral("import.json"), "{\"not\": \"a list\"}");
    m_prompts.saveBeforeImport = SaveChoice::Discard;
    m_prompts.importMode = ImportChoice::Replace;
    m_model->addRule();
    const RuleList working = m_model->workingRules();
    m_model->importRules();
    ASSERT_EQ(m_prompts.transferErrors.size(), 1);
    EXPECT_FALSE(m_prompts.transferErrors.at(0).isEmpty());
    EXPECT_TRUE(
        m_log.contains(QStringLiteral("[ERROR] Rule import failed: ") + m_prompts.transferErrors.at(0)));
    EXPECT_EQ(m_model->workingRules(), working);
    EXPECT_EQ(m_store->rules(), m_saved);
}

TEST_F(RuleTransferTest, ExportWritesTheSavedRulesNotTheUnsavedEdits)
{
    m_model->addRule();
    Rule renamed = m_model->workingRules().at(0);
    renamed.name = QStringLiteral("A renamed");
    m_model->editorChanged(renamed);
    ASSERT_TRUE(m_model->isDirty());

    m_model->exportRules();
    QFile exported(path(QStringLiteral("Mirvale Rules.json")));
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_EQ(RulesFormat::decodeRules(exported.readAll()), m_saved);
    EXPECT_TRUE(m_log.contains(QStringLiteral("[INFO] Exported rules to Mirvale Rules.json")));
    EXPECT_TRUE(m_model->isDirty());
}

TEST_F(RuleTransferTest, AFailedExportShowsTheError)
{
    m_prompts.exportFile = path(QStringLiteral("missing/folder/rules.json"));
    m_model->exportRules();
    ASSERT_EQ(m_prompts.transferErrors.size(), 1);
    EXPECT_TRUE(
        m_log.contains(QStringLiteral("[ERROR] Rule export failed: ") + m_prompts.transferErrors.at(0)));
    EXPECT_FALSE(QFile::exists(m_prompts.exportFile.value()));
}

} // namespace
