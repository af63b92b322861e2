#include "ui/model/CardFolderBrowser.h"
#include "common/FakeFolderLister.h"
#include "common/PollUntil.h"
#include "common/QtPrinters.h"
#include "common/TestCards.h"
#include "platform/linux/PosixFolderLister.h"
#include "support/Workers.h"
#include "ui/model/CardFolderScan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using Entry = CardFolderScan::Entry;

using TestCards::mountedAt;

namespace {

QStringList paths(const QList<Entry> &entries)
{
    QStringList result;
    for (const Entry &entry : entries)
        result.append(entry.path + u'@' + QString::number(entry.depth));
    return result;
}

// The Part's example card, with the kinds of things a walk must leave out.
void buildCanonCard(FakeFolderLister &fs, const QString &root)
{
    fs.addFolder(root + u"/DCIM/101CANON"_s);
    fs.addFolder(root + u"/DCIM/100CANON/DEEP"_s); // third level: never listed
    fs.addFolder(root + u"/MISC"_s);
    fs.addFolder(root + u"/.Trashes/501"_s); // hidden
    fs.addFile(root + u"/DCIM/IMG_0001.JPG"_s); // a file
    fs.addFile(root + u"/readme.txt"_s);
}

TEST(CardFolderScan, ListsTwoLevelsInOrder)
{
    FakeFolderLister fs;
    buildCanonCard(fs, u"/media/u/EOS"_s);
    EXPECT_EQ(paths(CardFolderScan::listDirectories(fs, u"/media/u/EOS"_s)),
        (QStringList { u"DCIM@1"_s, u"DCIM/100CANON@2"_s, u"DCIM/101CANON@2"_s, u"MISC@1"_s }));
    EXPECT_EQ(paths(CardFolderScan::listDirectories(fs, u"/media/u/EOS/"_s)).size(), 4) << "a trailing slash";
    EXPECT_EQ(paths(CardFolderScan::listDirectories(fs, u"/media/u/EOS"_s, 1)),
        (QStringList { u"DCIM@1"_s, u"MISC@1"_s }));
}

TEST(CardFolderScan, NumbersInNamesSortByValue)
{
    FakeFolderLister fs;
    for (const char *name : { "Folder 10", "Folder 2", "folder 3", "A" })
        fs.addFolder(u"/c/"_s + QLatin1String(name));
    EXPECT_EQ(paths(CardFolderScan::listDirectories(fs, u"/c"_s)),
        (QStringList { u"A@1"_s, u"Folder 2@1"_s, u"folder 3@1"_s, u"Folder 10@1"_s }));
}

TEST(CardFolderScan, LinksLeavingTheCardAreNeverOffered)
{
    FakeFolderLister fs;
    fs.addFolder(u"/media/u/EOS/DCIM/100CANON"_s);
    fs.addFolder(u"/home/u/secret/inner"_s);
    fs.addFolder(u"/media/u/EOSX/DCIM"_s); // a sibling whose name extends the card's
    fs.addLink(u"/media/u/EOS/Home"_s, u"/home/u"_s); // absolute, outside
    fs.addLink(u"/media/u/EOS/Up"_s, u"../.."_s); // relative, outside
    fs.addLink(u"/media/u/EOS/Sibling"_s, u"/media/u/EOSX"_s); // prefix trick
    fs.addLink(u"/media/u/EOS/DCIM/Escape"_s, u"/home/u/secret"_s); // second level
    fs.addLink(u"/media/u/EOS/Photos"_s, u"DCIM"_s); // stays on the card
    fs.addLink(u"/media/u/EOS/Self"_s, u"."_s); // the root itself
    fs.addLink(u"/media/u/EOS/Broken"_s, u"nowhere"_s);
    fs.addLink(u"/media/u/EOS/Loop"_s, u"Loop"_s);
    fs.addLink(u"/media/u/EOS/File"_s, u"DCIM/x.jpg"_s);
    fs.addFile(u"/media/u/EOS/DCIM/x.jpg"_s);

    const QStringList listed = paths(CardFolderScan::listDirectories(fs, u"/media/u/EOS"_s));
    EXPECT_EQ(listed,
        (QStringList { u"DCIM@1"_s, u"DCIM/100CANON@2"_s, u"Photos@1"_s, u"Photos/100CANON@2"_s, u"Self@1"_s,
            u"Self/DCIM@2"_s, u"Self/Photos@2"_s, u"Self/Self@2"_s }));
}

TEST(CardFolderScan, UnreadableFoldersContributeNothing)
{
    FakeFolderLister fs;
    buildCanonCard(fs, u"/c"_s);
    fs.makeUnreadable(u"/c/DCIM"_s);
    EXPECT_EQ(
        paths(CardFolderScan::listDirectories(fs, u"/c"_s)), (QStringList { u"DCIM@1"_s, u"MISC@1"_s }));
    EXPECT_TRUE(CardFolderScan::listDirectories(fs, u"/gone"_s).isEmpty());
}

TEST(CardFolderScan, RealDirectoryTree)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path() + u"/card"_s;
    for (const char *folder : { "DCIM/100CANON", "DCIM/101CANON", "MISC", ".hidden/inner" })
        ASSERT_TRUE(QDir().mkpath(root + u'/' + QLatin1String(folder)));
    ASSERT_TRUE(QDir().mkpath(dir.path() + u"/outside/private"_s));
    QFile file(root + u"/DCIM/IMG_0001.JPG"_s);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(::symlink("../outside", QFile::encodeName(root + u"/Away"_s).constData()), 0);
    ASSERT_EQ(::symlink("DCIM", QFile::encodeName(root + u"/Photos"_s).constData()), 0);
    // A name that is not valid UTF-8 could not be stored as a rule's path.
    ASSERT_EQ(::mkdir((QFile::encodeName(root) + "/bad\xff").constData(), 0755), 0);

    EXPECT_EQ(paths(CardFolderScan::listDirectories(PosixFolderLister::instance(), root)),
        (QStringList { u"DCIM@1"_s, u"DCIM/100CANON@2"_s, u"DCIM/101CANON@2"_s, u"MISC@1"_s, u"Photos@1"_s,
            u"Photos/100CANON@2"_s, u"Photos/101CANON@2"_s }));
    ::rmdir((QFile::encodeName(root) + "/bad\xff").constData());
}

class CardFolderBrowserTest : public ::testing::Test {
protected:
    CardFolderBrowserTest()
    {
        buildCanonCard(fs, u"/media/u/EOS_DIGITAL"_s);
        fs.addFolder(u"/media/u/SONY/PRIVATE/M4ROOT"_s);
        QObject::connect(&browser, &CardFolderBrowser::changed, &browser, [this] { ++changes; });
    }
    // A walk no longer wanted may still be reading the fake card, which goes with the test.
    ~CardFolderBrowserTest() override { Workers::cardReads().waitForDone(); }

    bool loaded()
    {
        return pollUntil([this] { return !browser.isLoading(); });
    }

    FakeFolderLister fs;
    QList<MountedCard> cards { mountedAt(u"EOS_DIGITAL"_s, u"/media/u/EOS_DIGITAL"_s),
        mountedAt(u"SONY"_s, u"/media/u/SONY"_s) };
    CardFolderBrowser browser { &fs };
    int changes = 0;
};

TEST_F(CardFolderBrowserTest, PreselectsTheRulesCardIgnoringCase)
{
    EXPECT_EQ(CardFolderBrowser::preselectedIndex(cards, VolumeMatch::volumeName(u"sony"_s)), 1);
    EXPECT_EQ(CardFolderBrowser::preselectedIndex(cards, VolumeMatch::volumeName(u"eos_digital"_s)), 0);
    EXPECT_EQ(CardFolderBrowser::preselectedIndex(cards, VolumeMatch::volumeName(u"NIKON"_s)), 0);
    EXPECT_EQ(CardFolderBrowser::preselectedIndex(cards, VolumeMatch::volumeName(QString())), 0);
    EXPECT_EQ(CardFolderBrowser::preselectedIndex(cards, VolumeMatch::anyCard()), 0);
    EXPECT_EQ(CardFolderBrowser::preselectedIndex({}, VolumeMatch::volumeName(u"x"_s)), 0);
}

TEST_F(CardFolderBrowserTest, ShowsLoadingThenTheRowsIndented)
{
    browser.open(cards, VolumeMatch::volumeName(u"eos_digital"_s));
    EXPECT_EQ(browser.selectedCardIndex(), 0);
    ASSERT_TRUE(browser.isLoading());
    EXPECT_EQ(browser.rowCount(), 1);
    EXPECT_EQ(browser.rowText(0), u"Loading\u2026"_s);
    EXPECT_TRUE(browser.rowIsPlaceholder(0));
    EXPECT_FALSE(browser.pathForRow(0));

    ASSERT_TRUE(loaded());
    ASSERT_EQ(browser.rowCount(), 4);
    EXPECT_EQ(browser.rowText(0), u"DCIM"_s);
    EXPECT_EQ(browser.rowText(1), u"     100CANON"_s);
    EXPECT_EQ(browser.rowText(2), u"     101CANON"_s);
    EXPECT_EQ(browser.rowText(3), u"MISC"_s);
    EXPECT_EQ(browser.pathForRow(1), u"DCIM/100CANON"_s);
    EXPECT_FALSE(browser.pathForRow(4));
    EXPECT_FALSE(browser.pathForRow(-1));
    EXPECT_GE(changes, 2);
}

TEST_F(CardFolderBrowserTest, NoCardsListNothing)
{
    browser.open({}, VolumeMatch::anyCard());
    EXPECT_FALSE(browser.isLoading());
    EXPECT_EQ(browser.rowCount(), 0);
    EXPECT_FALSE(browser.pathForRow(0));
}

TEST_F(CardFolderBrowserTest, OnlyTheLastSelectedCardsListingIsKept)
{
    fs.holdListing(u"/media/u/EOS_DIGITAL"_s);
    browser.open(cards, VolumeMatch::anyCard());
    ASSERT_TRUE(fs.waitUntilHeld());
    browser.selectCard(1);
    browser.selectCard(0);
    browser.selectCard(1);
    EXPECT_TRUE(browser.isLoading());
    fs.release();
    ASSERT_TRUE(loaded());
    EXPECT_EQ(paths(browser.entries()), (QStringList { u"PRIVATE@1"_s, u"PRIVATE/M4ROOT@2"_s }));
    // Nothing late overwrites it once every answer is in.
    processEventsFor(std::chrono::milliseconds(50));
    EXPECT_EQ(paths(browser.entries()), (QStringList { u"PRIVATE@1"_s, u"PRIVATE/M4ROOT@2"_s }));
}

TEST_F(CardFolderBrowserTest, ACardPulledMidListing)
{
    fs.holdListing(u"/media/u/EOS_DIGITAL/DCIM"_s);
    browser.open(cards, VolumeMatch::anyCard());
    ASSERT_TRUE(fs.waitUntilHeld());
    // The card goes away while its folders are being read, and the card list follows.
    fs.remove(u"/media/u/EOS_DIGITAL"_s);
    browser.setCards(cards.mid(1));
    EXPECT_EQ(browser.selectedCardIndex(), 0);
    EXPECT_EQ(browser.cards().size(), 1);
    fs.release();
    ASSERT_TRUE(loaded());
    EXPECT_EQ(paths(browser.entries()), (QStringList { u"PRIVATE@1"_s, u"PRIVATE/M4ROOT@2"_s }));
}

TEST_F(CardFolderBrowserTest, ACardPulledWithTheListStillShowingIt)
{
    fs.remove(u"/media/u/EOS_DIGITAL"_s);
    browser.open(cards, VolumeMatch::anyCard());
    ASSERT_TRUE(loaded());
    EXPECT_EQ(browser.rowCount(), 0) << "an unreadable card lists nothing, without an error";
}

TEST_F(CardFolderBrowserTest, CardListChangeKeepsTheSelectedCardByName)
{
    browser.open(cards, VolumeMatch::volumeName(u"SONY"_s));
    ASSERT_TRUE(loaded());
    const MountedCard extra = mountedAt(u"NIKON"_s, u"/media/u/NIKON"_s);
    browser.setCards({ extra, cards[1], cards[0] });
    EXPECT_EQ(browser.selectedCardIndex(), 1);
    ASSERT_TRUE(loaded());
    EXPECT_EQ(browser.entries().size(), 2);
    browser.setCards({ extra });
    EXPECT_EQ(browser.selectedCardIndex(), 0) << "the first card when the selected one is gone";
}

TEST_F(CardFolderBrowserTest, ClosingDropsAnswersOnTheirWay)
{
    fs.holdListing(u"/media/u/EOS_DIGITAL"_s);
    browser.open(cards, VolumeMatch::anyCard());
    ASSERT_TRUE(fs.waitUntilHeld());
    browser.close();
    fs.release();
    processEventsFor(std::chrono::milliseconds(100));
    EXPECT_FALSE(browser.isOpen());
    EXPECT_TRUE(browser.entries().isEmpty());
    EXPECT_FALSE(browser.isLoading());
    browser.selectCard(1);
    EXPECT_FALSE(browser.isLoading()) << "a closed browser lists nothing";
}

TEST_F(CardFolderBrowserTest, DestroyedWhileListing)
{
    auto doomed = std::make_unique<CardFolderBrowser>(&fs);
    fs.holdListing(u"/media/u/EOS_DIGITAL"_s);
    doomed->open(cards, VolumeMatch::anyCard());
    ASSERT_TRUE(fs.waitUntilHeld());
    // Let the walk go from another thread while the browser waits for it in its destructor.
    std::thread releaser([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        fs.release();
    });
    doomed.reset();
    releaser.join();
    processEventsFor(std::chrono::milliseconds(50)); // the late answer finds nobody
}

} // namespace
