#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QStringList>

#include <functional>

/// A stand-in for the desktop's file manager: owns org.freedesktop.FileManager1 on the
/// session bus through a connection of its own and records each call as one line,
/// "ShowFolders URI" or "ShowItems URI" (URIs separated by spaces). It answers on the thread
/// it lives on, so that thread must run its event loop.
class FakeFileManager final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    using CallHandler = std::function<void(const QString &line)>;

    explicit FakeFileManager(CallHandler onCall = {}, QObject *parent = nullptr);
    ~FakeFileManager() override;

    /// Whether it owns the name (false when another process already does).
    bool isRegistered() const { return m_registered; }
    QStringList calls() const { return m_calls; }
    /// The startup id of the last ShowFolders or ShowItems call.
    QString lastStartupId() const { return m_lastStartupId; }

    /// Later calls answer with this D-Bus error (an empty name answers normally again); with
    /// `method`, only calls to that method do.
    void setErrorReply(const QString &name, const QString &message, const QString &method = {});
    /// Later calls get no answer at all, as from a hung file manager.
    void setSilent(bool silent) { m_silent = silent; }

public slots:
    Q_SCRIPTABLE void ShowFolders(const QStringList &uris, const QString &startupId);
    Q_SCRIPTABLE void ShowItems(const QStringList &uris, const QString &startupId);
    Q_SCRIPTABLE void ShowItemProperties(const QStringList &uris, const QString &startupId);

private:
    void record(const QString &method, const QStringList &uris);

    QString m_connectionName;
    QDBusConnection m_connection;
    bool m_registered = false;
    QStringList m_calls;
    QString m_lastStartupId;
    CallHandler m_onCall;
    QString m_errorName;
    QString m_errorMessage;
    QString m_errorMethod;
    bool m_silent = false;
};
