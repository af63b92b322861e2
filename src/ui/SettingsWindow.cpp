#include "ui/SettingsWindow.h"

#include "ui/BrowseCardPanel.h" // RuleEditorView.h needs it complete for its QPointer
#include "ui/Hairline.h"
#include "ui/RuleEditorView.h"
#include "ui/RuleListPane.h"
#include "ui/SettingsBottomBar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
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
    setObjectName(QStringLiteral("settingsWindow"));
    setWindowTitle(QStringLiteral("Mirvale Settings"));
    resize(kSize);
    setMinimumSize(kMinimumSize);

    m_editor = new RuleEditorView({ services.fileManager, services.pointer, services.log, services.folders });
    m_editor->onChange = [this](const Rule &rule) { m_model.editorChanged(rule); };
    m_editor->onHideExtras = [this] { m_model.hideExtras(); };
    connect(&m_model, &SettingsWindowModel::editorRuleChanged, m_editor,
        [this] { m_editor->setRule(m_model.editorRule()); });
    connect(&m_model, &SettingsWindowModel::editorCardsChanged, m_editor,
        [this] { m_editor->setMountedCards(m_model.editorCards()); });
    connect(&m_model, &SettingsWindowModel::extrasRevealedChanged, m_editor,
        [this] { m_editor->setExtrasRevealed(m_model.extrasRevealed()); });

    auto *panes = new QHBoxLayout;
    panes->setContentsMargins(0, 0, 0, 0);
    panes->setSpacing(16);
    panes->addWidget(new RuleListPane(m_model));
    panes->addWidget(new Hairline(Qt::Vertical));
    panes->addWidget(m_editor, 1);

    m_bottomBar = new SettingsBottomBar(m_model);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(0);
    layout->addLayout(panes, 1);
    layout->addSpacing(16);
    layout->addWidget(new Hairline(Qt::Horizontal));
    layout->addSpacing(12);
    layout->addWidget(m_bottomBar);

    // Return saves, as the default button of the window; Ctrl+W closes it.
    for (const QKeySequence &key : { QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter) }) {
        auto *save = new QShortcut(key, this);
        connect(save, &QShortcut::activated, this, [this] {
            if (m_bottomBar->saveButton()->isEnabled())
                m_bottomBar->saveButton()->click();
        });
    }
    auto *closeKey = new QShortcut(QKeySequence::Close, this);
    connect(closeKey, &QShortcut::activated, this, &QWidget::close);

    centreOnScreen();
    // A quit (a signal, the session ending, the menu) closes every window first; this one
    // must not hold it up with its question.
    qApp->installEventFilter(this);
}

SettingsWindow::~SettingsWindow() = default;

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
