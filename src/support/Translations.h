#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

/// The catalogues that put Mirvale, and Qt's own dialogs and buttons, into the user's language.
namespace Translations {

/// Installs on `app`: the English catalogue (English plural forms, and the fallback for any
/// text a catalogue lacks), then Mirvale's and Qt's own (`qtbase_*`) for the first language of
/// the user's that Mirvale has, asked for as Linux programs ask: `LANGUAGE`, then `LC_ALL`,
/// `LC_MESSAGES`, `LANG`. Mirvale's catalogues are read from `installedFolder` (the data
/// folder of an installed Mirvale), else from the copy built into the program. Returns that
/// language ("de"), or "en" for none. `wanted` is for tests; the system locale's languages
/// are the user's list.
QString install(
    QCoreApplication &app, const QString &installedFolder, const QLocale &wanted = QLocale::system());

/// The language install() chose, for the log ("en" before it ran).
QString installedLanguage();

/// Takes every catalogue install() and its kin put on `app` off it again.
void uninstall(QCoreApplication &app);

/// Only the English catalogue, for tests that check the English texts.
void installEnglish(QCoreApplication &app);

/// Installs the catalogue at `path` over those already installed; false when it cannot be read.
bool installFile(QCoreApplication &app, const QString &path);

} // namespace Translations
