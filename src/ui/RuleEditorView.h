#pragma once

#include "detection/MountedCard.h"
#include "rules/Rule.h"

#include <QList>
#include <QWidget>

#include <functional>
#include <optional>

class FinderService;
class Logger;
class PointerControl;

/// The right-hand pane of the settings window: one rule as five titled sections. Every edit
/// becomes a new Rule handed to `onChange`; the editor stores nothing itself.
class RuleEditorView : public QWidget
{
    Q_OBJECT
public:
    struct Services {
        FinderService *finder = nullptr;   ///< captures the front file-manager window's bounds
        PointerControl *pointer = nullptr; ///< "Use current mouse position"
        Logger *log = nullptr;
    };

    explicit RuleEditorView(Services services, QWidget *parent = nullptr);
    ~RuleEditorView() override;

    /// The rule shown; none shows the empty message. Reloads every control unless the editor
    /// is storing its own edit.
    void setRule(const std::optional<Rule> &rule);
    std::optional<Rule> rule() const { return m_rule; }
    /// Fills the card menus; rebuilt only when the mount paths differ from the last list.
    void setMountedCards(const QList<MountedCard> &cards);
    void setExtrasRevealed(bool revealed);

    /// Called after every edit with the whole edited rule.
    std::function<void(const Rule &)> onChange;
    /// Called by the "Hide extras" button.
    std::function<void()> onHideExtras;

private:
    Services m_services;
    std::optional<Rule> m_rule;
    QList<MountedCard> m_mountedCards;
    bool m_extrasRevealed = false;
};
