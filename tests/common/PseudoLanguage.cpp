#include "common/PseudoLanguage.h"

#include "support/Translations.h"

#include <QCoreApplication>

#include <algorithm>

bool PseudoLanguage::install()
{
    return Translations::installFile(*QCoreApplication::instance(),
        qEnvironmentVariable("MIRVALE_BUILD_DIR") + QStringLiteral("/translations/mirvale_pseudo.qm"));
}

void PseudoLanguage::uninstall()
{
    Translations::uninstall(*QCoreApplication::instance());
    Translations::installEnglish(*QCoreApplication::instance());
}

QStringList PseudoLanguage::untranslated(const QStringList &texts)
{
    QStringList found;
    for (const QString &text : texts) {
        const bool words = std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
        if (words && !(text.contains(QLatin1String("[[")) && text.contains(QLatin1String("]]"))))
            found.append(text);
    }
    return found;
}
