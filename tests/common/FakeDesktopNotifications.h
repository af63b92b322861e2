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
    void invoke(uint id, const QString &key) { emit actionInvoked(id, key); }
    void close(uint id) { emit closed(id); }

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

private:
    std::optional<QStringList> m_caps;
    std::deque<std::function<void()>> m_pending;
    uint m_lastId = 0;
};
