#pragma once

#include "platform/AutostartService.h"

#include <QString>

#include <mutex>

/// Start at login through the XDG autostart folder: the file "io.github.mirvale.Mirvale.desktop"
/// there, written whole and atomically, runs the Mirvale binary by its absolute path.
///
/// The file counts as Mirvale's when its Exec line runs a program with the same file name as
/// the running binary; any other file of that name is left alone. An entry of ours under the
/// earlier name "mirvale.desktop" is moved to the new name when first seen.
class AutostartEntry final : public AutostartService {
public:
    static constexpr const char *kFileName = "io.github.mirvale.Mirvale.desktop";
    static constexpr const char *kLegacyFileName = "mirvale.desktop";

    /// `autostartFolder` is normally defaultAutostartFolder(); `executable` the absolute path
    /// of the binary to start.
    AutostartEntry(QString autostartFolder, QString executable);

    /// $XDG_CONFIG_HOME/autostart, or ~/.config/autostart when it is unset or not absolute.
    static QString defaultAutostartFolder();

    Status status() const override;
    std::optional<UserText> setRegistered(bool on) override;

    QString filePath() const { return m_filePath; }
    /// The file's whole text for `executable`.
    static QString entryText(const QString &executable);
    /// The program an Exec value runs (its first word, unquoted); empty when malformed.
    static QString execProgram(const QString &execValue);
    /// `path` as one word of an Exec value, quoted and escaped when it needs to be.
    static QString execWord(const QString &path);

private:
    Status readStatus(const QString &path) const;
    std::optional<UserText> adoptLegacyEntry() const;

    const QString m_folder;
    const QString m_filePath;
    const QString m_executable;
    // One change or reading at a time: a toggle and a refresh may run on two threads.
    mutable std::mutex m_mutex;
};
