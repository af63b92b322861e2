#include "app/CardReportText.h"

#include <gtest/gtest.h>

namespace {

TEST(CardReportText, OpenedBodyPartsAppearOnlyWhenKnown)
{
    MountedCard card { QUrl::fromLocalFile(QStringLiteral("/media/u/EOS")), QStringLiteral("EOS"), true, true,
        std::nullopt };
    ResolvedTarget target;
    target.card = card;
    target.relativePath = QStringLiteral("DCIM/101CANON");
    EXPECT_EQ(CardReportText::openedBody(card, target, std::nullopt).shown(),
        QStringLiteral("Opened DCIM/101CANON"));
    EXPECT_EQ(CardReportText::openedBody(card, target, 1).shown(),
        QStringLiteral("Opened DCIM/101CANON \u00b7 1 file"));
    card.freeBytes = 0;
    EXPECT_EQ(CardReportText::openedBody(card, target, 0).shown(),
        QStringLiteral("Opened DCIM/101CANON \u00b7 0 files \u00b7 0\u00a0bytes\u00a0free"));
    card.freeBytes = 31'900'000'000;
    target.relativePath.clear(); // the card root is described by the card's name
    EXPECT_EQ(CardReportText::openedBody(card, target, 12).shown(),
        QStringLiteral("Opened EOS \u00b7 12 files \u00b7 31.9\u00a0GB\u00a0free"));
    target.relativePath = QStringLiteral("DCIM/\u0645"); // right to left: isolated
    EXPECT_EQ(CardReportText::openedBody(card, target, 2).shown(),
        QStringLiteral("Opened \u2068DCIM/\u0645\u2069 \u00b7 2 files \u00b7 31.9\u00a0GB\u00a0free"));
}

} // namespace
