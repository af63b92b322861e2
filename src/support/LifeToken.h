#pragma once

#include <memory>

/// Tells work that may outlive its owner whether the owner still exists. The owner keeps a
/// LifeToken (ended by end() or by its destruction); deferred work keeps a Weak made from it
/// and asks get() before touching the owner. Ask on the owner's thread only: elsewhere the
/// owner could be destroyed right after the answer.
template <typename Owner> class LifeToken {
public:
    class Weak {
    public:
        Weak() = default;
        /// Implicit, so work captures the token itself: `[weak = Weak(m_life)]` or `Weak w = m_life`.
        Weak(const LifeToken &token)
            : m_owner(token.m_owner)
        {
        }
        /// The owner, or null once it is gone.
        Owner *get() const
        {
            const std::shared_ptr<Owner *> owner = m_owner.lock();
            return owner ? *owner : nullptr;
        }
        explicit operator bool() const { return get() != nullptr; }

    private:
        std::weak_ptr<Owner *> m_owner;
    };

    explicit LifeToken(Owner *owner)
        : m_owner(std::make_shared<Owner *>(owner))
    {
    }
    LifeToken(const LifeToken &) = delete;
    LifeToken &operator=(const LifeToken &) = delete;

    Weak weak() const { return Weak(*this); }
    /// From now on every Weak made from this token finds the owner gone.
    void end() { m_owner.reset(); }

private:
    std::shared_ptr<Owner *> m_owner;
};
