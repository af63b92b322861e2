#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class CommandRunner;
class Logger;
class StateStore;

/// Whether the desktop's own media handling also acts on a camera card (content type
/// x-content/image-dcf), and the user's switch between it and Mirvale. GNOME, MATE and
/// Cinnamon keep it in their media-handling settings, read and written with gsettings; Xfce's
/// thunar-volman keeps its own in xfconf, read with xfconf-query and never written, because its
/// switches cover every drive and medium, not camera cards only. Letting
/// Mirvale open camera cards puts that content type on the desktop's ignore list and takes it off
/// its start-app and open-folder lists, keeping the earlier values in the state file; letting the
/// desktop open them again writes those values back exactly. Commands run on the background
/// runner, the state file is touched on the main thread only.
class DesktopMediaHandling : public QObject {
public:
    enum class State {
        Unreadable, ///< no known desktop, or its setting could not be read
        Quiet, ///< the desktop leaves camera cards alone by its own setting
        DesktopOpens, ///< the desktop also acts on camera cards
        MirvaleOpens, ///< the desktop steps aside because Mirvale changed its setting
    };
    struct Outcome {
        State state = State::Unreadable;
        QString problem; ///< empty unless a command failed
        /// False where the desktop's setting covers every medium: the user changes it there.
        bool cameraCardsOnly = true;
    };
    using Runner = std::function<void(std::function<void()>)>;

    struct Services {
        /// Must outlive work still running in the background after this object is gone.
        CommandRunner *commands = nullptr;
        StateStore *state = nullptr;
        Logger *log = nullptr;
        /// Runs work off the main thread, and hands work back to it.
        Runner background;
        Runner main;
    };

    /// `schema` is the desktop's media-handling schema, empty when there is none.
    DesktopMediaHandling(Services services, QString schema);

    /// The schema of the desktop named by XDG_CURRENT_DESKTOP (for Xfce, thunar-volman's
    /// xfconf channel), or empty.
    static QString schemaFor(const QString &currentDesktop);
    static const QString kThunarVolman;

    void read(std::function<void(Outcome)> done);
    void letMirvaleOpen(std::function<void(Outcome)> done);
    void letDesktopOpen(std::function<void(Outcome)> done);

private:
    struct Values {
        bool readable = false;
        bool acts = false; ///< the desktop acts on inserted media at all
        QStringList texts; ///< the lists' values as gsettings prints them, in kListKeys order
    };
    struct Written {
        QStringList keys;
        QStringList before;
        QStringList after;
        QString problem;
    };

    // Run off the main thread: they touch nothing of the object's.
    static Values readValues(CommandRunner &commands, const QString &schema);
    static Values readThunarVolman(CommandRunner &commands);
    State stateOf(const Values &values) const;
    Outcome outcomeOf(const Values &values, QString problem = {}) const;
    /// Sets the keys in order; on a failure sets back the ones already set.
    static Written write(CommandRunner &commands, const QString &schema, const QStringList &keys,
        const QStringList &before, const QStringList &after);
    QString stateKey(const QString &key) const;
    void logWritten(const Written &written, const QString &why) const;

    Services m_services;
    QString m_schema;
};
