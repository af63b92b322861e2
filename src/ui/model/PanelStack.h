#pragma once

#include "support/TimerScheduler.h"
#include "support/UserText.h"
#include "ui/model/PanelContent.h"
#include "ui/model/PanelView.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

class Logger;

/// The report panels on screen: at most four live ones hanging from the top corner of the
/// screen's free area on the side where lines end (right, or left in a right-to-left language), oldest at the
/// top, each leaving after a delay that the pointer can hold off, but never beyond half a minute.
class PanelStack : public QObject {
public:
    using PanelId = quint64;
    using ViewFactory = std::function<std::unique_ptr<PanelView>(const PanelContent &, PanelView::Events)>;

    static constexpr int kMaxLivePanels = 4;
    static constexpr std::chrono::milliseconds kReportDelay { 8'000 };
    static constexpr std::chrono::milliseconds kProblemDelay { 12'000 };
    static constexpr std::chrono::milliseconds kLifetime { 30'000 };
    /// Distance from the top and side edges of the free area, and between panels.
    static constexpr int kEdgeInset = 12;
    static constexpr int kSpacing = 8;

    /// The collaborators; the pointers must outlive the stack.
    struct Services {
        Logger *log = nullptr;
        TimerScheduler *timers = nullptr;
        ViewFactory makeView;
        /// The main screen's area free of panels and docks, in global coordinates; empty
        /// when there is no screen.
        std::function<QRect()> availableArea;
        /// The pointer, in global coordinates.
        std::function<QPoint()> pointer;
        /// True when the desktop asks for no animations.
        std::function<bool()> reducedMotion;
        /// The application's layout direction; right to left stacks the panels at the left.
        /// Left to right when not given.
        std::function<Qt::LayoutDirection()> layoutDirection;
    };

    explicit PanelStack(Services services);
    ~PanelStack();
    PanelStack(const PanelStack &) = delete;
    PanelStack &operator=(const PanelStack &) = delete;

    /// Shows a panel, dismissing the oldest live ones beyond the limit, and a live problem
    /// panel that says the same (a problem met again replaces its panel). `ejectAction`, when
    /// given, is what the panel's Unmount button does before the panel goes.
    /// `body` goes on screen in the user's language and into the log in English.
    PanelId present(
        const QString &title, const UserText &body, bool isProblem, std::function<void()> ejectAction);
    /// Starts the panel's way out; a second call, or one for a panel already gone, does nothing.
    void dismiss(PanelId id);
    /// Places the live panels again; after every present and every close.
    void reflow();

    /// Live panels, oldest first (closing ones left out).
    QList<PanelId> livePanels() const;
    /// Every panel still on screen, closing ones included.
    int panelCount() const { return int(m_panels.size()); }

private:
    struct Panel {
        PanelId id = 0;
        PanelContent content;
        std::unique_ptr<PanelView> view;
        std::chrono::milliseconds dismissDelay { 0 };
        std::function<void()> ejectAction;
        std::unique_ptr<TimerScheduler::Timer> dismissTimer;
        std::unique_ptr<TimerScheduler::Timer> lifetimeTimer;
        bool isClosing = false;
    };

    Panel *find(PanelId id);
    PanelView::Events eventsFor(PanelId id);
    void resetDismissTimer(Panel &panel);
    void armLifetimeTimer(Panel &panel);
    void pointerEntered(PanelId id);
    void pointerExited(PanelId id);
    void ejectTapped(PanelId id);
    void closed(PanelId id);

    Services m_services;
    std::vector<std::unique_ptr<Panel>> m_panels;
    PanelId m_nextId = 1;
};
