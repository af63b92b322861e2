#include "common/FakeFileManagerService.h"
#include "common/FakeFolderLister.h"
#include "common/FakePointer.h"
#include "common/PollUntil.h"
#include "common/RecordingLogger.h"
#include "ui/Appearance.h"
#include "ui/BrowseCardPanel.h"
#include "ui/RuleEditorView.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// Renders the editor and the browse sheet to PNG files in light and dark Fusion palettes, for
// a person to look at; each light image must be clearly lighter than its dark twin. The files
// are kept only when MIRVALE_RENDER_DIR names a folder.
namespace {

QPalette lightPalette()
{
    return Appearance::palette(Appearance::Mode::Light);
}

QPalette darkPalette()
{
    return Appearance::palette(Appearance::Mode::Dark);
}

class RuleEditorRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previousStyle = QApplication::style()->name();
        QApplication::setStyle(u"Fusion"_s);
        m_folder = qEnvironmentVariable("MIRVALE_RENDER_DIR");
    }
    void TearDown() override
    {
        QApplication::setPalette(QPalette());
        QApplication::setStyle(m_previousStyle);
        for (auto light = m_lightness.cbegin(); light != m_lightness.cend(); ++light) {
            if (light.key().endsWith(u"-light"_s)) {
                const QString dark = light.key().chopped(5) + u"dark"_s;
                EXPECT_GT(light.value(), m_lightness.value(dark, 255) + 60) << dark.toStdString();
            }
        }
    }

    // Saves (when asked) and notes how light the image is on average.
    void keep(const QPixmap &shot, const QString &name)
    {
        ASSERT_FALSE(shot.isNull());
        const QImage image = shot.toImage();
        double sum = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                sum += qGray(image.pixel(x, y));
        }
        m_lightness.insert(name, sum / (double(image.width()) * image.height()));
        if (!m_folder.isEmpty()) {
            QDir().mkpath(m_folder);
            EXPECT_TRUE(shot.save(m_folder + u'/' + name + u".png"_s)) << name.toStdString();
        }
    }

    QString m_previousStyle;
    QString m_folder;
    QMap<QString, double> m_lightness;
    FakeFileManagerService fileManager;
    FakePointer pointer;
    RecordingLogger log;
    FakeFolderLister folders;
};

QList<Rule> sampleRules()
{
    Rule full = Rule::makeNew();
    full.name = u"Canon R5"_s;
    full.match = VolumeMatch::volumeName(u"EOS_DIGITAL"_s);
    full.subfolder = Subfolder::custom(u"DCIM/100CANON"_s);
    full.selectNewestFile = true;
    full.placement = Placement { 120, 80, 1200, 760 };
    full.bringToFront = true;
    full.extras.mouseWarp = MousePoint { 640, 400 };

    Rule catchAll = Rule::makeDefaultCatchAll();
    catchAll.enabled = false;

    Rule sony = Rule::makeNew();
    sony.name = u"Sony FX3"_s;
    sony.match = VolumeMatch::volumeName(u"Untitled"_s);
    sony.subfolder = Subfolder::preset(Preset::Xavc);
    return { full, catchAll, sony };
}

TEST_F(RuleEditorRender, EditorInLightAndDark)
{
    const QList<Rule> rules = sampleRules();
    const QList<MountedCard> cards = [] {
        MountedCard card;
        card.name = u"EOS_DIGITAL"_s;
        card.url = QUrl::fromLocalFile(u"/media/u/EOS_DIGITAL"_s);
        return QList<MountedCard> { card };
    }();
    for (const bool dark : { false, true }) {
        QApplication::setPalette(dark ? darkPalette() : lightPalette());
        const QString appearance = dark ? u"dark"_s : u"light"_s;
        for (int index = 0; index <= rules.size(); ++index) {
            RuleEditorView editor({ &fileManager, &pointer, &log, &folders });
            editor.resize(600, index == 0 ? 780 : 620);
            editor.setMountedCards(cards);
            editor.setExtrasRevealed(index == 0);
            editor.setRule(index < rules.size() ? std::optional<Rule>(rules[index]) : std::nullopt);
            editor.show();
            if (index == 0) {
                // Show the range hint as a user would see it after a wrong entry.
                auto *height = editor.findChild<QLineEdit *>(u"heightField"_s);
                height->setFocus();
                height->selectAll();
                QTest::keyClicks(height, u"tall"_s);
                QTest::keyClick(height, Qt::Key_Return);
            }
            QApplication::processEvents();
            const QString name = index < rules.size() ? u"editor-%1-%2"_s.arg(index + 1).arg(appearance)
                                                      : u"editor-empty-%1"_s.arg(appearance);
            keep(editor.grab(), name);
        }
    }
}

TEST_F(RuleEditorRender, BrowseSheetInLightAndDark)
{
    folders.addFolder(u"/media/u/EOS_DIGITAL/DCIM/100CANON"_s);
    folders.addFolder(u"/media/u/EOS_DIGITAL/DCIM/101CANON"_s);
    folders.addFolder(u"/media/u/EOS_DIGITAL/MISC"_s);
    folders.addFolder(u"/media/u/EOS_DIGITAL/PRIVATE/AVCHD"_s);
    MountedCard card;
    card.name = u"EOS_DIGITAL"_s;
    card.url = QUrl::fromLocalFile(u"/media/u/EOS_DIGITAL"_s);
    for (const bool dark : { false, true }) {
        QApplication::setPalette(dark ? darkPalette() : lightPalette());
        QWidget window;
        window.resize(600, 620);
        RuleEditorView editor({ &fileManager, &pointer, &log, &folders }, &window);
        editor.setMountedCards({ card });
        editor.setRule(sampleRules().first());
        window.show();
        editor.findChild<QPushButton *>(u"browseButton"_s)->click();
        BrowseCardPanel *panel = editor.browsePanel();
        ASSERT_NE(panel, nullptr);
        auto *table = panel->findChild<QListWidget *>(u"browseTable"_s);
        ASSERT_TRUE(pollUntil([&] { return table->count() == 6; }));
        table->setCurrentRow(1);
        QApplication::processEvents();
        keep(panel->grab(), u"browse-%1"_s.arg(dark ? u"dark"_s : u"light"_s));
        panel->reject();
    }
}

} // namespace
