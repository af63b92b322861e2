#include "common/MarkingTranslator.h"
#include "rules/RuleValidator.h"
#include "rules/RulesStoreError.h"
#include "support/ByteCountFormatter.h"
#include "support/DescribedError.h"
#include "support/MirvaleError.h"

#include <gtest/gtest.h>

namespace {

TEST(UserText, ScreenTextsTranslatedWhileLogTextsStayEnglish)
{
    const MarkingTranslator marking;

    const MirvaleError written = MirvaleError::diskError(
        UserText::translate("Coordinator", "%1 was removed").arg(QStringLiteral("A%2")));
    EXPECT_EQ(written.description(), QStringLiteral("«Disk error: «A%2 was removed»»"));
    EXPECT_EQ(written.englishDescription(), QStringLiteral("Disk error: A%2 was removed"));
    EXPECT_EQ(written.plainText(), QStringLiteral("diskError(\"A%2 was removed\")"));
    // A message Mirvale does not own stays as it is in both forms.
    EXPECT_EQ(MirvaleError::folderMissing(QStringLiteral("/x")).englishDescription(),
        QStringLiteral("Folder not found: /x"));

    const DescribedError described(
        UserText::translate("Ctx", "%1 and %2").args({ QStringLiteral("%2"), QStringLiteral("b") }));
    EXPECT_EQ(described.description(), QStringLiteral("«%2 and b»"));
    EXPECT_EQ(described.englishDescription(), QStringLiteral("%2 and b"));
    EXPECT_STREQ(described.what(), "%2 and b");

    const UserText size = ByteCountFormatter::fileStyleText(31'900'000'000);
    EXPECT_EQ(size.shown(), QStringLiteral("«31.9 GB»"));
    EXPECT_EQ(size.english(), QStringLiteral("31.9 GB"));

    Rule unnamed = Rule::makeNew();
    unnamed.name.clear();
    const RulesStoreError refused = RulesStoreError::invalid(RuleValidator::errors({ unnamed }));
    EXPECT_EQ(refused.description().section(QLatin1Char('\n'), 0, 0),
        QStringLiteral("«%1: rule name cannot be empty.»").arg(QStringLiteral("«Untitled rule»")));
    EXPECT_EQ(refused.englishDescription().section(QLatin1Char('\n'), 0, 0),
        QStringLiteral("Untitled rule: rule name cannot be empty."));
}

} // namespace
