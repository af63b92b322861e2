#include "platform/linux/XdgStandardFolders.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

/// Sets an environment variable for one scope and puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char *name, const char *value)
        : m_name(name)
        , m_wasSet(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name))
    {
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    ~ScopedVariable()
    {
        if (m_wasSet)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    ScopedVariable(const ScopedVariable &) = delete;
    ScopedVariable &operator=(const ScopedVariable &) = delete;

private:
    const char *m_name;
    bool m_wasSet;
    QByteArray m_old;
};

TEST(XdgStandardFolders, VariablesWhenAbsoluteElseTheHomeDefaults)
{
    struct Row {
        const char *config;
        const char *state;
        QString applicationSupport;
        QString library;
    };
    const QString home = QDir::homePath();
    const Row rows[] = {
        { nullptr, nullptr, home + QStringLiteral("/.config"), home + QStringLiteral("/.local/state") },
        { "", "", home + QStringLiteral("/.config"), home + QStringLiteral("/.local/state") },
        { "relative/path", "state", home + QStringLiteral("/.config"),
            home + QStringLiteral("/.local/state") },
        { "/somewhere/config/", "/var/tmp//state", QStringLiteral("/somewhere/config"),
            QStringLiteral("/var/tmp/state") },
    };
    for (const Row &row : rows) {
        ScopedVariable config("XDG_CONFIG_HOME", row.config);
        ScopedVariable state("XDG_STATE_HOME", row.state);
        const XdgStandardFolders folders;
        EXPECT_EQ(folders.configHome(), row.applicationSupport) << (row.config ? row.config : "unset");
        EXPECT_EQ(folders.stateHome(), row.library) << (row.state ? row.state : "unset");
    }
}

} // namespace
