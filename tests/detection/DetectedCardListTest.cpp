#include "detection/DetectedCardList.h"
#include "detection/KnownCardNames.h"
#include "platform/linux/StateFile.h"

#include "common/MemoryStateStore.h"
#include "common/QtPrinters.h"
#include "common/RecordingLogger.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

DiskDescription disk(const QString &deviceName, const QString &name, const QString &path = QString(),
    DiskBus bus = DiskBus::Usb, const QString &kind = QStringLiteral("exfat"))
{
    DiskDescription description;
    description.deviceName = deviceName;
    description.volumeName = name;
    description.volumePath = path;
    description.bus = bus;
    description.volumeKind = kind;
    description.isMountable = !name.isEmpty();
    description.isRemovable = true;
    return description;
}

DiskDescription wholeSD(const QString &deviceName)
{
    DiskDescription description = disk(deviceName, QString(), QString(), DiskBus::Mmc, QString());
    description.isMountable = false;
    description.isWhole = true;
    return description;
}

MountedCard mounted(const QString &path, const QString &name, std::optional<qint64> free = std::nullopt)
{
    return MountedCard { QUrl::fromLocalFile(path), name, true, true, free };
}

QStringList lines(const QList<DetectedCard> &cards)
{
    QStringList out;
    for (const DetectedCard &card : cards) {
        out.append(card.deviceName + QLatin1Char('|') + card.name + QLatin1Char('|')
            + (card.mountURL ? card.mountURL->toLocalFile() : QStringLiteral("-")) + QLatin1Char('|')
            + (card.freeBytes ? QString::number(*card.freeBytes) : QStringLiteral("-"))
            + (card.isEjected ? QStringLiteral("|ejected") : QString()));
    }
    return out;
}

TEST(DetectedCardListTest, DiskDescriptionsBecomeLinesOnlyForCardVolumes)
{
    const struct {
        const char *what;
        DiskDescription description;
        bool listed;
    } rows[] = {
        { "exFAT card on a USB reader", disk(QStringLiteral("sdb1"), QStringLiteral("EOS")), true },
        { "no volume name", disk(QStringLiteral("sdb1"), QString()), false },
        { "mounted outside the media roots",
            disk(QStringLiteral("sdb1"), QStringLiteral("EOS"), QStringLiteral("/mnt/eos")), false },
        { "FAT image",
            disk(QStringLiteral("loop0"), QStringLiteral("IMG"), QString(), DiskBus::Loop,
                QStringLiteral("VFAT")),
            true },
        { "ext4 image",
            disk(QStringLiteral("loop0"), QStringLiteral("IMG"), QString(), DiskBus::Loop,
                QStringLiteral("ext4")),
            false },
        { "ext4 on a USB reader",
            disk(
                QStringLiteral("sdc1"), QStringLiteral("X"), QString(), DiskBus::Usb, QStringLiteral("ext4")),
            true },
    };
    for (const auto &row : rows)
        EXPECT_EQ(DetectedCardList::makeDetectedCard(row.description.deviceName, row.description).has_value(),
            row.listed)
            << row.what;

    DiskDescription fixed = disk(QStringLiteral("sda1"), QStringLiteral("DATA"));
    fixed.isRemovable = false;
    EXPECT_FALSE(DetectedCardList::makeDetectedCard(fixed.deviceName, fixed));
    DiskDescription network = disk(QStringLiteral("nfs"), QStringLiteral("NAS"));
    network.isNetwork = true;
    EXPECT_FALSE(DetectedCardList::makeDetectedCard(network.deviceName, network));
}

TEST(DetectedCardListTest, ThreeSourcesMakeOneSortedList)
{
    DetectedCardList::Inputs inputs;
    inputs.disks.insert(QStringLiteral("sdb1"),
        disk(QStringLiteral("sdb1"), QStringLiteral("card 10"), QStringLiteral("/media/me/card 10")));
    inputs.disks.insert(QStringLiteral("sdc1"), disk(QStringLiteral("sdc1"), QStringLiteral("UNMOUNTED")));
    inputs.mountedCards = { mounted(QStringLiteral("/media/me/card 10"), QStringLiteral("card 10"), 5),
        mounted(QStringLiteral("/media/me/Card 2"), QStringLiteral("Card 2"), 7),
        mounted(QStringLiteral("/run/media/me/NIKON"), QStringLiteral("NIKON")) };
    inputs.deviceNamesByMountPath.insert(QStringLiteral("/media/me/Card 2"), QStringLiteral("sdd1"));
    inputs.slotCards = { SlotCard { QStringLiteral("42"), QStringLiteral("SD64") } };
    inputs.knownNames.insert(QStringLiteral("42"), QStringLiteral("EOS_DIGITAL"));

    const DetectedCardList::Outcome outcome = DetectedCardList::rebuild(inputs);
    EXPECT_EQ(lines(outcome.cards),
        (QStringList { QStringLiteral("sdd1|Card 2|/media/me/Card 2|7"),
            QStringLiteral("sdb1|card 10|/media/me/card 10|-"),
            // no SD disk, the remembered name matches no mounted line: ejected in the slot
            QStringLiteral("slot:42|EOS_DIGITAL|-|-|ejected"),
            QStringLiteral("path:/run/media/me/NIKON|NIKON|/run/media/me/NIKON|-"),
            QStringLiteral("sdc1|UNMOUNTED|-|-") }));
    EXPECT_FALSE(outcome.learntName);
    // Lines the disk service does not list leave the list when unmounted.
    EXPECT_EQ((QList<bool> { outcome.cards[0].leavesWhenUnmounted, outcome.cards[1].leavesWhenUnmounted,
                  outcome.cards[3].leavesWhenUnmounted }),
        (QList<bool> { true, false, true }));
}

TEST(DetectedCardListTest, SlotCardLinesFollowTheDisksAndTheRememberedNames)
{
    const DiskDescription sdVolume = disk(QStringLiteral("mmcblk0p1"), QStringLiteral("EOS_DIGITAL"),
        QStringLiteral("/media/me/EOS_DIGITAL"), DiskBus::Mmc);
    const SlotCard slot { QStringLiteral("1234"), QStringLiteral("SD64") };
    const SlotCard noSerial { QString(), QStringLiteral("Card") };
    const struct {
        const char *what;
        QList<DiskDescription> disks;
        QList<SlotCard> inSlots;
        QHash<QString, QString> known;
        QStringList expectedSlotLines;
        bool unmountable;
    } rows[] = {
        { "formatted card mounted from the slot: one line, from the disk",
            { wholeSD(QStringLiteral("mmcblk0")), sdVolume }, { slot }, {}, {}, false },
        { "ejected by the user, left in the slot: listed under its remembered name", {}, { slot },
            { { QStringLiteral("1234"), QStringLiteral("EOS_DIGITAL") } },
            { QStringLiteral("slot:1234|EOS_DIGITAL|-|-|ejected") }, false },
        { "no remembered name: the product name", {}, { noSerial }, {},
            { QStringLiteral("slot:Card#0|Card|-|-|ejected") }, false },
        { "unformatted card: whole SD disk without a volume, nothing listed",
            { wholeSD(QStringLiteral("mmcblk0")) }, { noSerial }, {}, {}, true },
        { "two slots with SD disks present: a card whose name is on a disk is skipped",
            { wholeSD(QStringLiteral("mmcblk0")), sdVolume },
            { slot, SlotCard { QStringLiteral("99"), QStringLiteral("SD32") } },
            { { QStringLiteral("1234"), QStringLiteral("eos_digital") } },
            { QStringLiteral("slot:99|SD32|-|-|ejected") }, false },
        { "the partition of another whole disk does not count",
            { wholeSD(QStringLiteral("mmcblk1")),
                disk(QStringLiteral("mmcblk10p1"), QStringLiteral("X"), QString(), DiskBus::Mmc) },
            { noSerial }, {}, {}, true },
    };
    for (const auto &row : rows) {
        DetectedCardList::Inputs inputs;
        for (const DiskDescription &description : row.disks)
            inputs.disks.insert(description.deviceName, description);
        inputs.slotCards = row.inSlots;
        inputs.knownNames = row.known;
        const DetectedCardList::Outcome outcome = DetectedCardList::rebuild(inputs);
        QStringList slotLines;
        for (const QString &line : lines(outcome.cards)) {
            if (line.startsWith(QLatin1String("slot:")))
                slotLines.append(line);
        }
        EXPECT_EQ(slotLines, row.expectedSlotLines) << row.what;
        EXPECT_EQ(outcome.unmountableSDDisk, row.unmountable) << row.what;
    }
}

TEST(DetectedCardListTest, OneSDCardAndOneSlotCardTeachTheName)
{
    DetectedCardList::Inputs inputs;
    inputs.disks.insert(QStringLiteral("mmcblk0"), wholeSD(QStringLiteral("mmcblk0")));
    inputs.disks.insert(QStringLiteral("mmcblk0p1"),
        disk(QStringLiteral("mmcblk0p1"), QStringLiteral("EOS_DIGITAL"), QString(), DiskBus::Mmc));
    inputs.slotCards = { SlotCard { QStringLiteral("1234"), QStringLiteral("SD64") } };
    const DetectedCardList::Outcome outcome = DetectedCardList::rebuild(inputs);
    ASSERT_TRUE(outcome.learntName);
    EXPECT_EQ(outcome.learntName->first, QStringLiteral("1234"));
    EXPECT_EQ(outcome.learntName->second, QStringLiteral("EOS_DIGITAL"));
    EXPECT_EQ(lines(outcome.cards), QStringList { QStringLiteral("mmcblk0p1|EOS_DIGITAL|-|-") });

    inputs.slotCards = { SlotCard { QString(), QStringLiteral("SD64") } }; // no serial: nothing to learn
    EXPECT_FALSE(DetectedCardList::rebuild(inputs).learntName);
}

TEST(DetectedCardListTest, FreeSpaceIsKeptAcrossRebuilds)
{
    DetectedCardList::Inputs inputs;
    inputs.disks.insert(QStringLiteral("sdb1"),
        disk(QStringLiteral("sdb1"), QStringLiteral("EOS"), QStringLiteral("/media/me/EOS")));
    inputs.mountedCards = { mounted(QStringLiteral("/media/me/OTHER"), QStringLiteral("OTHER")) };
    DetectedCard eos { QStringLiteral("sdb1"), QStringLiteral("EOS"),
        QUrl::fromLocalFile(QStringLiteral("/media/me/EOS")), 31'900'000'000, false };
    DetectedCard other { QStringLiteral("path:/media/me/OTHER"), QStringLiteral("OTHER"),
        QUrl::fromLocalFile(QStringLiteral("/media/me/OTHER")), 12, false, true };
    inputs.current = { eos, other };
    EXPECT_EQ(DetectedCardList::rebuild(inputs).cards, (QList<DetectedCard> { eos, other }));

    // The mounted card's own figure wins over the previous one.
    inputs.mountedCards.first().freeBytes = 99;
    other.freeBytes = 99;
    EXPECT_EQ(DetectedCardList::rebuild(inputs).cards, (QList<DetectedCard> { eos, other }));
}

TEST(DetectedCardListTest, AVolumeTheMountTableShowsMountedIsOneMountedLine)
{
    // FUSE mounts: the disk service lists the device unmounted while the mount table has it.
    DetectedCardList::Inputs inputs;
    inputs.disks.insert(QStringLiteral("loop0"),
        disk(QStringLiteral("loop0"), QStringLiteral("EOS_DIGITAL"), QString(), DiskBus::Loop));
    inputs.mountedCards
        = { mounted(QStringLiteral("/media/root/EOS_DIGITAL"), QStringLiteral("EOS_DIGITAL"), 60) };
    inputs.deviceNamesByMountPath.insert(QStringLiteral("/media/root/EOS_DIGITAL"), QStringLiteral("loop0"));
    EXPECT_EQ(lines(DetectedCardList::rebuild(inputs).cards),
        QStringList { QStringLiteral("loop0|EOS_DIGITAL|/media/root/EOS_DIGITAL|-") });
}

class KnownCardNamesTest : public ::testing::Test {
protected:
    QDateTime now = QDateTime(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC);
    MemoryStateStore defaults;
    KnownCardNames names { &defaults, [this] { return now; } };
};

TEST_F(KnownCardNamesTest, SameNameWithinAnHourIsWrittenOnce)
{
    names.rememberCardName(QStringLiteral("EOS_DIGITAL"), QStringLiteral("1234"));
    const int writes = defaults.writes();
    now = now.addSecs(3599);
    names.rememberCardName(QStringLiteral("EOS_DIGITAL"), QStringLiteral("1234"));
    EXPECT_EQ(defaults.writes(), writes);
    names.rememberCardName(QStringLiteral("RENAMED"), QStringLiteral("1234"));
    EXPECT_GT(defaults.writes(), writes);
    const int afterRename = defaults.writes();
    now = now.addSecs(3600);
    names.rememberCardName(QStringLiteral("RENAMED"), QStringLiteral("1234"));
    EXPECT_GT(defaults.writes(), afterRename);
    names.rememberCardName(QStringLiteral("X"), QString());
    EXPECT_EQ(names.knownCardNames(),
        (QHash<QString, QString> { { QStringLiteral("1234"), QStringLiteral("RENAMED") } }));
}

TEST_F(KnownCardNamesTest, ThirtyThirdSerialDropsTheOneSeenLongestAgo)
{
    // A serial stored without a date (an older file) counts as the distant past.
    defaults.setValue(
        KnownCardNames::kNamesKey, QVariantMap { { QStringLiteral("undated"), QStringLiteral("OLD") } });
    for (int i = 0; i < 32; ++i) {
        now = now.addSecs(10);
        names.rememberCardName(QStringLiteral("CARD"), QString::number(i));
    }
    QHash<QString, QString> known = names.knownCardNames();
    EXPECT_EQ(known.size(), 32);
    EXPECT_FALSE(known.contains(QStringLiteral("undated")));
    now = now.addSecs(10);
    names.rememberCardName(QStringLiteral("CARD"), QStringLiteral("new"));
    known = names.knownCardNames();
    EXPECT_EQ(known.size(), 32);
    EXPECT_FALSE(known.contains(QStringLiteral("0")));
    EXPECT_TRUE(known.contains(QStringLiteral("new")));
    EXPECT_EQ(defaults.value(KnownCardNames::kLastSeenKey).toMap().size(), 32);
}

TEST_F(KnownCardNamesTest, ValuesOfAnotherTypeReadAsNothing)
{
    defaults.setValue(KnownCardNames::kNamesKey, QStringLiteral("not a dictionary"));
    EXPECT_TRUE(names.knownCardNames().isEmpty());
    defaults.setValue(KnownCardNames::kNamesKey,
        QVariantMap { { QStringLiteral("1"), 5 }, { QStringLiteral("2"), QStringLiteral("B") } });
    EXPECT_EQ(
        names.knownCardNames(), (QHash<QString, QString> { { QStringLiteral("2"), QStringLiteral("B") } }));
}

TEST(StateFileTest, NamesSurviveARestartAndTheMoveToTheStateFolder)
{
    QTemporaryDir folder;
    const QString earlier = folder.filePath(QStringLiteral("config/Mirvale/defaults.ini"));
    const QString file = folder.filePath(QStringLiteral("state/mirvale/state.ini"));
    {
        StateFile defaults(earlier);
        KnownCardNames(&defaults).rememberCardName(QStringLiteral("EOS DIGITAL/ü"), QStringLiteral("0x1a"));
    }
    RecordingLogger log;
    ASSERT_EQ(StateFile::moveEarlier(file, earlier, log), file);
    StateFile reopened(file);
    EXPECT_EQ(KnownCardNames(&reopened).knownCardNames(),
        (QHash<QString, QString> { { QStringLiteral("0x1a"), QStringLiteral("EOS DIGITAL/ü") } }));
    EXPECT_TRUE(reopened.value(KnownCardNames::kLastSeenKey)
                    .toMap()
                    .value(QStringLiteral("0x1a"))
                    .toDateTime()
                    .isValid());
    EXPECT_FALSE(QFileInfo::exists(earlier));

    // Both present: the new one wins, the earlier stays. A move that cannot be made (a file
    // where the folder should be) reads the earlier file where it is.
    QFile(earlier).open(QIODevice::WriteOnly);
    EXPECT_EQ(StateFile::moveEarlier(file, earlier, log), file);
    EXPECT_TRUE(QFileInfo::exists(earlier));
    QFile(folder.filePath(QStringLiteral("blocked"))).open(QIODevice::WriteOnly);
    EXPECT_EQ(
        StateFile::moveEarlier(folder.filePath(QStringLiteral("blocked/mirvale/state.ini")), earlier, log),
        earlier);
    EXPECT_TRUE(
        log.lines().last().startsWith(QStringLiteral("[WARN] Could not move the remembered card names")));
}

} // namespace
