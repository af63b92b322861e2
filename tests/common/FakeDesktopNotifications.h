#pragma once

#include "platform/DesktopNotifications.h"

#include <deque>
#include <vector>

/// A notification server whose answers the test releases in order; no server while serve()
/// has none. Notify answers with the id it replaces, else a new one.
class FakeDesktopNotifications final : public DesktopNotifications {
public:
    void capabilities(CapabilitiesReply reply) override
    {
        m_pending.push_back([this, reply] { reply(m_caps); });
    }
    void notify(const Notification &notification, NotifyReply reply) override
    {
        sent.push_back(notification);
        m_pending.push_back([this, reply, replaces = notification.replacesId] {
            if (m_caps)
                reply(replaces ? replaces : ++m_lastId, QString());
            else
                reply(std::nullopt, QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown: gone"));
        });
    }
    void setOnActionInvoked(std::function<void(uint, const QString &)> callback) override
    {
        invoke = callback;
    }
    void setOnClosed(std::function<void(uint)> callback) override { close = callback; }

    void serve(std::optional<QStringList> caps) { m_caps = std::move(caps); }
    void answerOne()
    {
        auto next = std::move(m_pending.front());
        m_pending.pop_front();
        next();
    }
    void answerAll()
    {
        while (!m_pending.empty())
            answerOne();
    }

    std::vector<Notification> sent;
    std::function<void(uint, const QString &)> invoke;
    std::function<void(uint)> close;

private:
    std::optional<QStringList> m_caps;
    std::deque<std::function<void()>> m_pending;
    uint m_lastId = 0;
};
