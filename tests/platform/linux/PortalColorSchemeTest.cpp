#include "platform/linux/PortalColorScheme.h"

#include "common/PollUntil.h"

#include <QDBusVariant>

#include <gtest/gtest.h>

namespace {

TEST(PortalColorScheme, ReadsThePreferenceThroughItsVariants)
{
    using Preference = PortalColorScheme::Preference;
    const auto wrapped = [](const QVariant &value) { return QVariant::fromValue(QDBusVariant(value)); };
    const struct {
        QVariant value;
        Preference preference;
    } cases[] = {
        { QVariant(1u), Preference::Dark },
        { QVariant(2u), Preference::Light },
        { QVariant(0u), Preference::NoPreference },
        { QVariant(7u), Preference::NoPreference },
        { wrapped(QVariant(1u)), Preference::Dark },
        { wrapped(wrapped(QVariant(2u))), Preference::Light }, // Read() adds a layer
        { QVariant(QStringLiteral("dark")), Preference::NoPreference },
        { QVariant(), Preference::NoPreference },
    };
    for (const auto &c : cases)
        EXPECT_EQ(PortalColorScheme::fromValue(c.value), c.preference) << c.value.typeName();
}

TEST(PortalColorScheme, NoBusMeansNoPreference)
{
    PortalColorScheme scheme(QDBusConnection(QStringLiteral("not connected")));
    std::optional<PortalColorScheme::Preference> answer;
    scheme.read([&answer](PortalColorScheme::Preference preference) { answer = preference; });
    pollUntil([&answer] { return answer.has_value(); });
    EXPECT_EQ(answer, PortalColorScheme::Preference::NoPreference);
}

} // namespace
