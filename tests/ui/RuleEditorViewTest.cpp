#include "ui/RuleEditorView.h"
#include "common/FakeFileManagerService.h"
#include "common/FakeFolderLister.h"
#include "common/FakePointer.h"
#include "common/PollUntil.h"
#include "common/QtPrinters.h"
#include "common/RecordingLogger.h"
#include "common/TestCards.h"
#include "ui/BrowseCardPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

using TestCards::mountedAt;

namespace {

class RuleEditorViewTest : public ::testing::Test {
protected:
    RuleEditorViewTest()
    {
        window.resize(640, 900);
        editor = new RuleEditorView({ &fileManager, &pointer, &log, &folders }, &window);
        editor->resize(640, 900);
        QObject::connect(
            editor, &RuleEditorView::edited, editor, [this](const Rule &rule) { changes.append(rule); });
        rule = Rule::makeNew();
        rule.name = u"Canon"_s;
        rule.match = VolumeMatch::volumeName(u"EOS_DIGITAL"_s);
        editor->setRule(rule);
        window.show();
    }

    template <typename T> T *find(const char *name)
    {
        T *found = editor->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QLineEdit *field(const char *name) { return find<QLineEdit>(name); }

    void type(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    void finishEditing(QLineEdit *edit) { QTest::keyClick(edit, Qt::Key_Return); }

    void choose(QComboBox *combo, int index)
    {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    // The last reported rule; a failure (not a crash) when nothing was reported.
    Rule lastChange()
    {
        if (changes.isEmpty()) {
            ADD_FAILURE() << "no change was reported";
            return Rule {};
        }
        return changes.last();
    }

    bool isShown(QWidget *widget) { return widget->isVisibleTo(editor); }

    FakeFileManagerService fileManager;
    FakePointer pointer;
    RecordingLogger log;
    FakeFolderLister folders;
    // After the services it uses: the editor and its browser's queue go first.
    QWidget window;
    RuleEditorView *editor = nullptr;
    Rule rule;
    QList<Rule> changes;
};

TEST_F(RuleEditorViewTest, WithoutARuleOnlyTheMessageShows)
{
    editor->setRule(std::nullopt);
    auto *empty = find<QLabel>("emptyLabel");
    EXPECT_TRUE(isShown(empty));
    EXPECT_EQ(empty->text(), u"Select a rule, or press + to add one."_s);
    EXPECT_FALSE(isShown(find<QScrollArea>("scrollView")));
    find<QCheckBox>("enabledCheckbox")->click();
    EXPECT_TRUE(changes.isEmpty());

    editor->setRule(rule);
    EXPECT_FALSE(isShown(empty));
    EXPECT_TRUE(isShown(find<QScrollArea>("scrollView")));
}

TEST_F(RuleEditorViewTest, ShowsTheRule)
{
    rule.subfolder = Subfolder::custom(u"DCIM/100CANON"_s);
    rule.placement = Placement { 10, 20, 800, 600 };
    editor->setRule(rule);
    EXPECT_EQ(field("nameField")->text(), u"Canon"_s);
    EXPECT_TRUE(find<QRadioButton>("namedRadio")->isChecked());
    EXPECT_EQ(field("volumeNameField")->text(), u"EOS_DIGITAL"_s);
    EXPECT_EQ(find<QComboBox>("folderPresetPopup")->currentText(), u"Custom\u2026"_s);
    EXPECT_EQ(field("customPathField")->text(), u"DCIM/100CANON"_s);
    EXPECT_TRUE(isShown(field("customPathField")));
    EXPECT_EQ(field("widthField")->text(), u"800"_s);
    EXPECT_TRUE(field("leftField")->isEnabled());
    EXPECT_FALSE(isShown(find<QLabel>("positionHintLabel")));
    EXPECT_FALSE(find<QComboBox>("pickMountedCardPopup")->isEnabled()) << "no cards mounted";
    EXPECT_FALSE(isShown(find<QGroupBox>("extrasBox")));
}

TEST_F(RuleEditorViewTest, EachControlReportsTheEditedRule)
{
    struct Case {
        const char *what;
        std::function<void()> act;
        std::function<void(Rule &)> change;
    };
    const Case cases[] = {
        { "name", [&] { type(field("nameField"), u"Sony "_s); }, [](Rule &r) { r.name = u"Sony "_s; } },
        { "enabled", [&] { find<QCheckBox>("enabledCheckbox")->click(); },
            [](Rule &r) { r.enabled = false; } },
        { "any card", [&] { find<QRadioButton>("anyCardRadio")->click(); },
            [](Rule &r) { r.match = VolumeMatch::anyCard(); } },
        { "card name", [&] { type(field("volumeNameField"), u"A7"_s); },
            [](Rule &r) { r.match = VolumeMatch::volumeName(u"A7"_s); } },
        { "preset", [&] { choose(find<QComboBox>("folderPresetPopup"), 1); },
            [](Rule &r) { r.subfolder = Subfolder::preset(Preset::Avchd); } },
        { "smart", [&] { choose(find<QComboBox>("folderPresetPopup"), 3); },
            [](Rule &r) { r.subfolder = Subfolder::smart(); } },
        { "open newest", [&] { find<QCheckBox>("openNewestCheckbox")->click(); },
            [](Rule &r) { r.openNewestFolder = false; } },
        { "select newest", [&] { find<QCheckBox>("selectNewestFileCheckbox")->click(); },
            [](Rule &r) { r.selectNewestFile = true; } },
        { "bring to front", [&] { find<QCheckBox>("bringToFrontCheckbox")->click(); },
            [](Rule &r) { r.bringToFront = true; } },
        { "place window", [&] { find<QCheckBox>("placeWindowCheckbox")->click(); },
            [](Rule &r) {
                r.placement = Placement { 0, 0, 800, 600 };
            } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        editor->setRule(rule);
        changes.clear();
        c.act();
        ASSERT_FALSE(changes.isEmpty());
        Rule expected = rule;
        c.change(expected);
        EXPECT_EQ(lastChange(), expected);
        EXPECT_EQ(editor->rule(), expected);
    }
}

TEST_F(RuleEditorViewTest, FolderMenuAndThePathRow)
{
    auto *popup = find<QComboBox>("folderPresetPopup");
    QLineEdit *path = field("customPathField");
    choose(popup, 4);
    EXPECT_EQ(lastChange().subfolder, Subfolder::custom(QString()));
    EXPECT_TRUE(isShown(path) && path->isEnabled());
    type(path, u"DCIM/1"_s);
    EXPECT_EQ(lastChange().subfolder, Subfolder::custom(u"DCIM/1"_s));

    choose(popup, 3);
    EXPECT_EQ(lastChange().subfolder, Subfolder::smart());
    EXPECT_TRUE(path->text().isEmpty());
    EXPECT_FALSE(isShown(path));
    choose(popup, 4);
    EXPECT_EQ(lastChange().subfolder, Subfolder::custom(QString())) << "the emptied field";
}

TEST_F(RuleEditorViewTest, PlacementFieldsClampAndReflect)
{
    find<QCheckBox>("placeWindowCheckbox")->click();
    QLineEdit *left = field("leftField");
    EXPECT_EQ(left->text(), u"0"_s);
    EXPECT_EQ(field("topField")->text(), u"0"_s);
    EXPECT_EQ(field("widthField")->text(), u"800"_s);
    EXPECT_EQ(field("heightField")->text(), u"600"_s);
    EXPECT_TRUE(find<QPushButton>("captureButton")->isEnabled());

    type(left, u"-30000"_s);
    EXPECT_EQ(lastChange().placement->left, -20000);
    EXPECT_EQ(left->text(), u"-30000"_s) << "what was typed stays until editing ends";
    finishEditing(left);
    EXPECT_EQ(left->text(), u"-20000"_s);
    EXPECT_TRUE(isShown(find<QLabel>("positionHintLabel")));
    EXPECT_EQ(find<QLabel>("positionHintLabel")->text(),
        u"Left and Top must be whole numbers from -20000 to 20000."_s);

    QLineEdit *width = field("widthField");
    type(width, u"50"_s);
    EXPECT_FALSE(isShown(find<QLabel>("positionHintLabel"))) << "a keystroke hides the hint";
    EXPECT_EQ(lastChange().placement->width, 200);
    finishEditing(width);
    EXPECT_EQ(width->text(), u"200"_s);

    QLineEdit *height = field("heightField");
    type(height, u"tall"_s);
    finishEditing(height);
    EXPECT_EQ(editor->rule()->placement->height, 600);
    EXPECT_EQ(height->text(), u"600"_s);
    EXPECT_EQ(find<QLabel>("positionHintLabel")->text(),
        u"Width and Height must be whole numbers from 200 to 20000."_s);
    EXPECT_TRUE(isShown(find<QLabel>("positionHintLabel")));

    find<QCheckBox>("placeWindowCheckbox")->click();
    EXPECT_FALSE(lastChange().placement);
    EXPECT_TRUE(left->text().isEmpty());
    EXPECT_FALSE(left->isEnabled());
    EXPECT_FALSE(find<QPushButton>("captureButton")->isEnabled());
}

TEST_F(RuleEditorViewTest, CardMenuAndCardNameField)
{
    rule.match = VolumeMatch::anyCard();
    editor->setRule(rule);
    auto *pick = find<QComboBox>("pickMountedCardPopup");
    editor->setMountedCards(
        { mountedAt(u"EOS_DIGITAL"_s, u"/media/u/EOS_DIGITAL"_s), mountedAt(u"SONY"_s, u"/media/u/SONY"_s) });
    ASSERT_EQ(pick->count(), 3);
    EXPECT_EQ(pick->itemText(0), u"Pick mounted card"_s);
    EXPECT_FALSE(pick->isEnabled()) << "only with Card named on";
    EXPECT_FALSE(field("volumeNameField")->isEnabled());

    // The name field is disabled with "Any card" on; "Card named" brings back its (empty) text.
    find<QRadioButton>("namedRadio")->click();
    ASSERT_FALSE(changes.isEmpty());
    EXPECT_EQ(lastChange().match, VolumeMatch::volumeName(QString()));
    EXPECT_TRUE(field("volumeNameField")->isEnabled());
    EXPECT_TRUE(pick->isEnabled());
    type(field("volumeNameField"), u"X"_s);
    EXPECT_EQ(lastChange().match, VolumeMatch::volumeName(u"X"_s));

    choose(pick, 2);
    EXPECT_EQ(lastChange().match, VolumeMatch::volumeName(u"SONY"_s));
    EXPECT_EQ(field("volumeNameField")->text(), u"SONY"_s);
    EXPECT_EQ(pick->currentIndex(), 0);

    find<QRadioButton>("anyCardRadio")->click();
    EXPECT_TRUE(lastChange().match.isAnyCard());
    find<QRadioButton>("namedRadio")->click();
    EXPECT_EQ(lastChange().match, VolumeMatch::volumeName(u"SONY"_s)) << "the field's text comes back";
}

TEST_F(RuleEditorViewTest, MousePoint)
{
    editor->setExtrasRevealed(true);
    EXPECT_TRUE(isShown(find<QGroupBox>("extrasBox")));
    pointer.setPosition(QPointF(10.5, 799.6));
    find<QCheckBox>("mouseWarpCheckbox")->click();
    EXPECT_EQ(lastChange().extras.mouseWarp, (MousePoint { 11, 800 }));
    EXPECT_EQ(field("mouseXField")->text(), u"11"_s);

    type(field("mouseYField"), u"-25000"_s);
    finishEditing(field("mouseYField"));
    EXPECT_EQ(lastChange().extras.mouseWarp, (MousePoint { 11, -20000 }));
    EXPECT_EQ(
        find<QLabel>("positionHintLabel")->text(), u"X and Y must be whole numbers from -20000 to 20000."_s);

    find<QCheckBox>("mouseWarpCheckbox")->click();
    EXPECT_FALSE(lastChange().extras.mouseWarp);
    EXPECT_FALSE(field("mouseXField")->isEnabled());
    pointer.setPosition(QPointF(-3.5, 4));
    find<QPushButton>("useCurrentPositionButton")->click();
    EXPECT_EQ(lastChange().extras.mouseWarp, (MousePoint { -4, 4 }));
    EXPECT_TRUE(find<QCheckBox>("mouseWarpCheckbox")->isChecked());
    EXPECT_TRUE(field("mouseXField")->isEnabled());
    EXPECT_EQ(field("mouseXField")->text(), u"-4"_s);

    int hidden = 0;
    QObject::connect(editor, &RuleEditorView::hideExtrasRequested, editor, [&] { ++hidden; });
    find<QPushButton>("hideExtrasButton")->click();
    EXPECT_EQ(hidden, 1);
}

TEST_F(RuleEditorViewTest, CaptureStoresTheFrontWindowsBounds)
{
    find<QCheckBox>("placeWindowCheckbox")->click();
    auto *capture = find<QPushButton>("captureButton");
    fileManager.setFrontWindowBounds(Placement { 100, 50, 900, 700 });
    capture->click();
    EXPECT_TRUE(editor->isCapturing());
    EXPECT_FALSE(capture->isEnabled());
    ASSERT_TRUE(pollUntil([&] { return !editor->isCapturing(); }));
    EXPECT_EQ(lastChange().placement, (Placement { 100, 50, 900, 700 }));
    EXPECT_EQ(field("widthField")->text(), u"900"_s);
    EXPECT_TRUE(capture->isEnabled());
}

TEST_F(RuleEditorViewTest, AFailedCaptureLeavesTheRuleAndSaysSo)
{
    find<QCheckBox>("placeWindowCheckbox")->click();
    const Rule before = *editor->rule();
    fileManager.setFrontWindowBounds(std::nullopt);
    find<QPushButton>("captureButton")->click();
    ASSERT_TRUE(pollUntil([&] { return !editor->isCapturing(); }));
    EXPECT_EQ(editor->rule(), before);
    EXPECT_TRUE(log.contains(
        u"[WARN] RuleEditorView: captureFrontWindowBounds returned nil (no file manager window open)"_s))
        << log.lines().join(u'\n').toStdString();
    auto *alert = window.findChild<QMessageBox *>(u"captureFailedAlert"_s);
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->text(), u"Couldn\u2019t Read the File Manager Window"_s);
    EXPECT_TRUE(alert->informativeText().startsWith(u"Couldn\u2019t read the front file manager window."_s));
    EXPECT_EQ(alert->windowModality(), Qt::WindowModal);
    EXPECT_TRUE(find<QPushButton>("captureButton")->isEnabled());
    alert->accept();
}

TEST_F(RuleEditorViewTest, AnOwnerEchoingTheRuleBackDoesNotResetTheField)
{
    QObject::connect(
        editor, &RuleEditorView::edited, editor, [this](const Rule &edited) { editor->setRule(edited); });
    find<QCheckBox>("placeWindowCheckbox")->click();
    type(field("leftField"), u"-30000"_s);
    EXPECT_EQ(field("leftField")->text(), u"-30000"_s);
    EXPECT_EQ(editor->rule()->placement->left, -20000);
}

class BrowseSheetTest : public RuleEditorViewTest {
protected:
    BrowseSheetTest()
    {
        folders.addFolder(u"/media/u/EOS_DIGITAL/DCIM/100CANON"_s);
        folders.addFolder(u"/media/u/EOS_DIGITAL/DCIM/101CANON"_s);
        folders.addFolder(u"/media/u/EOS_DIGITAL/MISC"_s);
        folders.addFolder(u"/media/u/SONY/PRIVATE"_s);
        editor->setMountedCards({ mountedAt(u"SONY"_s, u"/media/u/SONY"_s),
            mountedAt(u"EOS_DIGITAL"_s, u"/media/u/EOS_DIGITAL"_s) });
    }

    BrowseCardPanel *openSheet()
    {
        find<QPushButton>("browseButton")->click();
        BrowseCardPanel *panel = editor->browsePanel();
        EXPECT_NE(panel, nullptr);
        return panel;
    }

    template <typename T> T *inSheet(BrowseCardPanel *panel, const char *name)
    {
        T *found = panel->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

TEST_F(BrowseSheetTest, ChoosingAFolderMakesItTheCustomPath)
{
    BrowseCardPanel *panel = openSheet();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->windowModality(), Qt::WindowModal);
    EXPECT_EQ(panel->windowTitle(), u"Browse Card"_s);
    auto *cards = inSheet<QComboBox>(panel, "browseCardPopup");
    EXPECT_EQ(cards->currentText(), u"EOS_DIGITAL"_s) << "the rule's card is preselected";
    auto *table = inSheet<QListWidget>(panel, "browseTable");
    auto *chooseButton = inSheet<QPushButton>(panel, "browseChooseButton");
    ASSERT_TRUE(pollUntil([&] { return table->count() == 4; }));
    EXPECT_EQ(table->item(1)->text(), u"     100CANON"_s);
    EXPECT_FALSE(chooseButton->isEnabled());
    table->setCurrentRow(1);
    EXPECT_TRUE(chooseButton->isEnabled());
    chooseButton->click();

    EXPECT_EQ(lastChange().subfolder, Subfolder::custom(u"DCIM/100CANON"_s));
    EXPECT_EQ(find<QComboBox>("folderPresetPopup")->currentText(), u"Custom\u2026"_s);
    EXPECT_EQ(field("customPathField")->text(), u"DCIM/100CANON"_s);
    EXPECT_TRUE(isShown(field("customPathField")));
    EXPECT_TRUE(pollUntil([&] { return editor->browsePanel() == nullptr; })) << "the sheet closes";
}

TEST_F(BrowseSheetTest, CancelLeavesTheRule)
{
    BrowseCardPanel *panel = openSheet();
    ASSERT_NE(panel, nullptr);
    inSheet<QPushButton>(panel, "browseCancelButton")->click();
    EXPECT_TRUE(changes.isEmpty());
    EXPECT_TRUE(pollUntil([&] { return editor->browsePanel() == nullptr; }));
}

TEST_F(BrowseSheetTest, SwitchingCardsAndCardsChangingWhileOpen)
{
    BrowseCardPanel *panel = openSheet();
    ASSERT_NE(panel, nullptr);
    auto *cards = inSheet<QComboBox>(panel, "browseCardPopup");
    auto *table = inSheet<QListWidget>(panel, "browseTable");
    choose(cards, 0);
    EXPECT_EQ(table->item(0)->text(), u"Loading\u2026"_s);
    ASSERT_TRUE(pollUntil([&] { return table->count() == 1 && table->item(0)->text() == u"PRIVATE"_s; }));

    // SONY goes away: the sheet falls back to the first card left.
    editor->setMountedCards({ mountedAt(u"EOS_DIGITAL"_s, u"/media/u/EOS_DIGITAL"_s) });
    EXPECT_EQ(cards->count(), 1);
    EXPECT_EQ(cards->currentText(), u"EOS_DIGITAL"_s);
    ASSERT_TRUE(pollUntil([&] { return table->count() == 4; }));
    panel->reject();
}

TEST_F(BrowseSheetTest, DoubleClickChooses)
{
    BrowseCardPanel *panel = openSheet();
    ASSERT_NE(panel, nullptr);
    auto *table = inSheet<QListWidget>(panel, "browseTable");
    ASSERT_TRUE(pollUntil([&] { return table->count() == 4; }));
    table->setCurrentRow(3);
    emit table->itemDoubleClicked(table->item(3));
    EXPECT_EQ(lastChange().subfolder, Subfolder::custom(u"MISC"_s));
}

TEST_F(BrowseSheetTest, NoMountedCards)
{
    editor->setMountedCards({});
    BrowseCardPanel *panel = openSheet();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(inSheet<QComboBox>(panel, "browseCardPopup")->count(), 0);
    processEventsFor(std::chrono::milliseconds(20));
    EXPECT_EQ(inSheet<QListWidget>(panel, "browseTable")->count(), 0);
    EXPECT_FALSE(inSheet<QPushButton>(panel, "browseChooseButton")->isEnabled());
    panel->reject();
}

} // namespace
