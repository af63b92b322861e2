#pragma once

#include <QString>
#include <QStringList>

/// A language whose every translated text reads "[[source]]", built from the sources by
/// scripts/translations.sh: a text a user reads without the markers skipped translation.
namespace PseudoLanguage {

/// Puts the pseudo catalogue over the English one; false when the build has none.
bool install();
/// Back to English only.
void uninstall();
/// The texts of `texts` that hold words but no markers (symbols such as "+" are no words).
QStringList untranslated(const QStringList &texts);

} // namespace PseudoLanguage
