#include "app/SnapshotOptions.h"
#include "rules/Rule.h"
#include "rules/RulesFormat.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

// The window's size with the title bar drawn above it.
constexpr QSize kImageSize { 980, 620 + 32 };

/// Runs the real mirvale binary in a home of its own, with no display at all.
class SnapshotModeTest : public ::testing::Test {
protected:
    QString configFolder() const { return m_home.path() + QStringLiteral("/.config/Mirvale"); }
    QString logFile() const { return m_home.path() + QStringLiteral("/.local/state/mirvale/mirvale.log"); }
    QString output(const QString &name) const { return m_out.path() + QLatin1Char('/') + name; }

    void start(QProcess &process, const QStringList &arguments) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name :
            { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS" })
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("HOME"), m_home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path() + QStringLiteral("/.config"));
        env.insert(QStringLiteral("XDG_STATE_HOME"), m_home.path() + QStringLiteral("/.local/state"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_out.path());
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(qEnvironmentVariable("MIRVALE_BUILD_DIR") + QStringLiteral("/src/mirvale"), arguments);
        ASSERT_TRUE(process.waitForStarted());
    }

    int run(const QStringList &arguments) const
    {
        QProcess process;
        start(process, arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    void writeRules(const RuleList &rules) const
    {
        QDir().mkpath(configFolder());
        QFile file(configFolder() + QStringLiteral("/rules.json"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(RulesFormat::encodeRules(rules));
    }

    QString log() const
    {
        QFile file(logFile());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    static double meanLightness(const QImage &image)
    {
        double sum = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                sum += qGray(image.pixel(x, y));
        }
        return sum / (double(image.width()) * image.height());
    }

    /// Whether the inside of the rule list is one plain colour (no row drawn).
    static bool listIsEmpty(const QImage &image)
    {
        const QRect inside(40, 32 + 30, 260, 260);
        const QRgb first = image.pixel(inside.topLeft());
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                if (image.pixel(x, y) != first)
                    return false;
            }
        }
        return true;
    }

    QTemporaryDir m_home;
    QTemporaryDir m_out;
};

TEST_F(SnapshotModeTest, WritesTheWindowInDarkAndLight)
{
    Rule sony = Rule::makeNew();
    sony.name = QStringLiteral("Sony");
    sony.match = VolumeMatch::volumeName(QStringLiteral("SONY"));
    writeRules({ Rule::makeDefaultCatchAll(), sony });
    const QByteArray rulesBefore = [&] {
        QFile f(configFolder() + QStringLiteral("/rules.json"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();

    ASSERT_EQ(run({ QStringLiteral("--snapshot-settings"), output(QStringLiteral("dark.png")) }), 0);
    ASSERT_EQ(run({ QStringLiteral("light"), QStringLiteral("--snapshot-settings"),
                  output(QStringLiteral("light.png")) }),
        0);
    const QImage dark(output(QStringLiteral("dark.png")));
    const QImage light(output(QStringLiteral("light.png")));
    ASSERT_FALSE(dark.isNull());
    EXPECT_EQ(dark.size(), kImageSize);
    EXPECT_EQ(light.size(), kImageSize);
    EXPECT_GT(meanLightness(light), meanLightness(dark) + 60);
    EXPECT_FALSE(listIsEmpty(dark));

    // Read, never written: the rules file as it was, and no settings file made.
    QFile after(configFolder() + QStringLiteral("/rules.json"));
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), rulesBefore);
    EXPECT_EQ(QDir(configFolder()).entryList(QDir::Files), QStringList { QStringLiteral("rules.json") });
    EXPECT_FALSE(log().contains(QStringLiteral("Coordinator started")));
}

TEST_F(SnapshotModeTest, NoRulesFileShowsAnEmptyTableAndWritesNone)
{
    ASSERT_EQ(run({ QStringLiteral("--snapshot-settings"), output(QStringLiteral("empty.png")) }), 0);
    const QImage image(output(QStringLiteral("empty.png")));
    ASSERT_EQ(image.size(), kImageSize);
    EXPECT_TRUE(listIsEmpty(image));
    EXPECT_TRUE(log().contains(QStringLiteral("[INFO] ") + SnapshotOptions::noRulesFileLine()));
    EXPECT_FALSE(QFile::exists(configFolder() + QStringLiteral("/rules.json")));
    EXPECT_FALSE(QFile::exists(configFolder() + QStringLiteral("/settings.json")));
}

TEST_F(SnapshotModeTest, AnOutputFolderThatDoesNotExistEndsWithFive)
{
    EXPECT_EQ(run({ QStringLiteral("--snapshot-settings"), output(QStringLiteral("missing/out.png")) }),
        SnapshotOptions::NotWritten);
    EXPECT_FALSE(QFile::exists(output(QStringLiteral("missing/out.png"))));
}

TEST_F(SnapshotModeTest, TheFlagWithoutAPathStartsNormally)
{
    QProcess process;
    start(process, { QStringLiteral("--snapshot-settings") });
    const auto started = [this] { return log().contains(QStringLiteral("Coordinator started")); };
    for (int waited = 0; waited < 300 && !started() && process.state() == QProcess::Running; ++waited)
        process.waitForFinished(50);
    EXPECT_TRUE(started()) << log().toStdString();
    // A normal start loads, so it seeds the rules file a snapshot never writes.
    EXPECT_TRUE(QFile::exists(configFolder() + QStringLiteral("/rules.json")));
    ::kill(pid_t(process.processId()), SIGTERM);
    EXPECT_TRUE(process.waitForFinished(15000));
    EXPECT_EQ(process.exitCode(), 0);
}

} // namespace
