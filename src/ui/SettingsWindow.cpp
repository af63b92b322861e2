#include "ui/SettingsWindow.h"

#include "ui/AccessibleRoles.h"
#include "ui/BrowseCardPanel.h" // RuleEditorView.h needs it complete for its QPointer
#include "ui/FocusRing.h"
#include "ui/Hairline.h"
#include "ui/HintBar.h"
#include "ui/RuleEditorView.h"
#include "ui/RuleListPane.h"
#include "ui/SettingsBottomBar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

SettingsWindowModel::Services modelServices(const SettingsWindow::Services &services)
{
    return { services.store, services.fileManager, services.log, services.cards, services.testRule,
        services.mediaHandling };
}

} // namespace

SettingsWindow::SettingsWindow(const Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_dialogs(this)
    , m_model(modelServices(services), m_dialogs)
{
    AccessibleRoles::install();
    setObjectName(QStringLiteral("settingsWindow"));
    setWindowTitle(tr("Mirvale Settings"));
    setAccessibleName(windowTitle());
    resize(kSize);
    setMinimumSize(kMinimumSize);

    // Made first: widgets join the focus chain in the order they are made.
    auto *listPane = new RuleListPane(m_model);
    m_editor = new RuleEditorView({ services.fileManager, services.pointer, services.log, services.folders });
    connect(m_editor, &RuleEditorView::edited, &m_model, &SettingsWindowModel::editorChanged);
    connect(m_editor, &RuleEditorView::hideExtrasRequested, &m_model, &SettingsWindowModel::hideExtras);
    connect(&m_model, &SettingsWindowModel::editorRuleChanged, m_editor,
        [this] { m_editor->setRule(m_model.editorRule()); });
    connect(&m_model, &SettingsWindowModel::editorCardsChanged, m_editor,
        [this] { m_editor->setMountedCards(m_model.editorCards()); });
    connect(&m_model, &SettingsWindowModel::extrasRevealedChanged, m_editor,
        [this] { m_editor->setExtrasRevealed(m_model.extrasRevealed()); });

    // On a small screen the panes scroll; the bottom bar stays in view.
    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("settingsContent"));
    auto *panes = new QHBoxLayout(content);
    panes->setContentsMargins(0, 0, 0, 0);
    panes->setSpacing(16);
    panes->addWidget(listPane);
    panes->addWidget(new Hairline(Qt::Vertical));
    panes->addWidget(m_editor, 1);

    m_bottomBar = new SettingsBottomBar(m_model);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(0);
    auto *hintBar = new HintBar;
    m_dialogs.setHintBar(hintBar);
    layout->addWidget(hintBar);
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("settingsScroll"));
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    layout->addWidget(scroll, 1);
    layout->addSpacing(16);
    layout->addWidget(new Hairline(Qt::Horizontal));
    layout->addSpacing(12);
    layout->addWidget(m_bottomBar);
    // A language with longer words widens the window, within the screen, rather than scroll it.
    const QMargins margins = layout->contentsMargins();
    const int wanted = content->minimumSizeHint().width() + margins.left() + margins.right();
    // (A screen narrower than the usual size already holds less than the window: no limit then.)
    const int room = screen() ? screen()->availableGeometry().width() : 0;
    if (wanted > width())
        resize(room > width() ? std::min(wanted, room) : wanted, height());

    // The keyboard's commands. Return is left to the focused control: in a field it only ends
    // the typing, it never saves.
    addShortcut(QKeySequence::Save, Qt::WindowShortcut, [this] {
        if (m_bottomBar->saveButton()->isEnabled())
            m_bottomBar->saveButton()->click();
    });
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), Qt::WindowShortcut, [this] { m_model.addRule(); });
    // Escape closes as it closes a dialog; the unsaved-edits question comes from closeEvent.
    for (const QKeySequence &key : { QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape) })
        addShortcut(key, Qt::WindowShortcut, [this] { close(); });
    // On the list and its buttons only: elsewhere Delete edits text and Alt+Down opens a menu.
    addShortcut(
        QKeySequence::Delete, Qt::WidgetWithChildrenShortcut, [this] { m_model.removeRule(); }, listPane);
    addShortcut(
        QKeySequence(Qt::ALT | Qt::Key_Up), Qt::WidgetWithChildrenShortcut, [this] { m_model.moveRuleUp(); },
        listPane);
    addShortcut(
        QKeySequence(Qt::ALT | Qt::Key_Down), Qt::WidgetWithChildrenShortcut,
        [this] { m_model.moveRuleDown(); }, listPane);

    // The window reads left to right, top to bottom: the list and its buttons, the General
    // switches, the editor's fields, the bottom bar.
    QWidget *previous = nullptr;
    for (QWidget *widget : listPane->focusOrder() + m_editor->focusOrder() + m_bottomBar->focusOrder()) {
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }

    new FocusRing(this);
    centreOnScreen();
    // A quit (a signal, the session ending, the menu) closes every window first; this one
    // must not hold it up with its question.
    qApp->installEventFilter(this);
}

SettingsWindow::~SettingsWindow() = default;

void SettingsWindow::addShortcut(
    const QKeySequence &key, Qt::ShortcutContext context, std::function<void()> action, QWidget *on)
{
    auto *shortcut = new QShortcut(key, on ? on : this);
    shortcut->setContext(context);
    connect(shortcut, &QShortcut::activated, this, std::move(action));
}

void SettingsWindow::centreOnScreen()
{
    if (const QScreen *screen = this->screen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void SettingsWindow::show(bool revealExtras)
{
    m_model.show(isVisible(), revealExtras);
    QWidget::show();
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    m_model.presentFirstRunHintIfNeeded();
}

void SettingsWindow::prepareForSnapshot()
{
    m_model.prepareForSnapshot();
}

void SettingsWindow::closeEvent(QCloseEvent *event)
{
    if (m_closeApproved || !m_model.isDirty()) {
        m_closeApproved = false;
        event->accept();
        return;
    }
    // The question answers later; its answer closes the window again, approved.
    event->ignore();
    QPointer<SettingsWindow> self(this);
    m_model.requestClose([self] {
        if (!self)
            return;
        self->m_closeApproved = true;
        self->close();
    });
}

bool SettingsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qApp && event->type() == QEvent::Quit && isVisible()) {
        m_model.discardForQuit();
        m_closeApproved = true;
        close();
    }
    return QWidget::eventFilter(watched, event);
}
