#include "detection/DetectedCard.h"
#include "detection/MountedCard.h"
#include "detection/SlotCard.h"

#include <gtest/gtest.h>

namespace {

DetectedCard detected(const QString &deviceName, const QString &name)
{
    return DetectedCard { deviceName, name, std::nullopt, std::nullopt, false };
}

MountedCard mounted(const QString &path, const QString &name)
{
    return MountedCard { QUrl::fromLocalFile(path), name, true, true, std::nullopt };
}

TEST(CardRecords, DetectedCardsOrderByNaturalNameThenKey)
{
    // Numbers by value and case ignored, not byte order.
    EXPECT_TRUE(DetectedCard::isOrderedBefore(detected(QStringLiteral("disk9"), QStringLiteral("Card 2")),
        detected(QStringLiteral("disk1"), QStringLiteral("card 10"))));
    EXPECT_FALSE(DetectedCard::isOrderedBefore(detected(QStringLiteral("disk1"), QStringLiteral("card 10")),
        detected(QStringLiteral("disk9"), QStringLiteral("Card 2"))));
    // Same name: the key decides, plain string order.
    const auto a = detected(QStringLiteral("disk4s1"), QStringLiteral("EOS"));
    const auto b = detected(QStringLiteral("disk5s1"), QStringLiteral("EOS"));
    EXPECT_TRUE(DetectedCard::isOrderedBefore(a, b));
    EXPECT_FALSE(DetectedCard::isOrderedBefore(b, a));
    EXPECT_FALSE(DetectedCard::isOrderedBefore(a, a));
    EXPECT_TRUE(
        DetectedCard::isOrderedBefore(detected(QStringLiteral("path:/media/u/EOS"), QStringLiteral("EOS")),
            detected(QStringLiteral("slot:123"), QStringLiteral("EOS"))));
}

TEST(CardRecords, MountedCardsOrderByNaturalNameThenPath)
{
    EXPECT_TRUE(
        MountedCard::isOrderedBefore(mounted(QStringLiteral("/media/u/b"), QStringLiteral("Untitled 3")),
            mounted(QStringLiteral("/media/u/a"), QStringLiteral("untitled 12"))));
    EXPECT_TRUE(MountedCard::isOrderedBefore(mounted(QStringLiteral("/media/u/EOS"), QStringLiteral("EOS")),
        mounted(QStringLiteral("/media/u/EOS1"), QStringLiteral("EOS"))));
    EXPECT_FALSE(MountedCard::isOrderedBefore(mounted(QStringLiteral("/media/u/EOS"), QStringLiteral("EOS")),
        mounted(QStringLiteral("/media/u/EOS"), QStringLiteral("EOS"))));
}

TEST(CardRecords, EqualityCoversEveryField)
{
    DetectedCard card = detected(QStringLiteral("sdb1"), QStringLiteral("EOS"));
    card.mountURL = QUrl::fromLocalFile(QStringLiteral("/media/u/EOS"));
    DetectedCard later = card;
    EXPECT_EQ(card, later);
    later.freeBytes = 1024;
    EXPECT_NE(card, later); // a changed free-space figure is a change of the list
    later = card;
    later.isEjected = true;
    EXPECT_NE(card, later);

    MountedCard m = mounted(QStringLiteral("/media/u/EOS"), QStringLiteral("EOS"));
    MountedCard n = m;
    n.freeBytes = 0;
    EXPECT_NE(m, n);
    EXPECT_TRUE(card.isMounted());
    EXPECT_FALSE(detected(QStringLiteral("x"), QStringLiteral("y")).isMounted());
}

TEST(CardRecords, SlotIdentity)
{
    EXPECT_EQ(SlotCard({ QString(), QStringLiteral("Card") }).identity(1), QStringLiteral("slot:Card#1"));
    EXPECT_EQ(SlotCard({ QStringLiteral("12345"), QStringLiteral("SD64") }).identity(7),
        QStringLiteral("slot:12345"));
    EXPECT_EQ(SlotCard({ QString(), QStringLiteral("SD64") }).identity(0), QStringLiteral("slot:SD64#0"));
    EXPECT_EQ(SlotCard().productName, QStringLiteral("Card"));
}

TEST(CardRecords, MountedCardPathIsClean)
{
    EXPECT_EQ(mounted(QStringLiteral("/media/u/EOS/"), QStringLiteral("EOS")).path(),
        QStringLiteral("/media/u/EOS"));
    EXPECT_EQ(mounted(QStringLiteral("/"), QStringLiteral("root")).path(), QStringLiteral("/"));
}

} // namespace
