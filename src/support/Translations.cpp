#include "support/Translations.h"

#include "support/UserText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

/// Where the built-in copies live (qt_add_translations' resource prefix).
constexpr const char *kBuiltIn = ":/i18n";

// Qt reads its layout direction from this entry of the installed catalogues: a right-to-left
// language's catalogue answers "RTL". Mirvale's carry it too, so that an Arabic Mirvale is laid
// out right to left even where Qt's own catalogues are not installed.
[[maybe_unused]] QString layoutDirection()
{
    return QCoreApplication::translate("QGuiApplication", "QT_LAYOUT_DIRECTION",
        "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
        "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");
}

QString s_installedLanguage = QStringLiteral("en");

/// Mirvale's catalogue for `locale`'s languages, from the installed folder or the built-in copy.
bool loadMirvale(QTranslator &translator, const QLocale &locale, const QString &installedFolder = {})
{
    for (const QString &folder : { installedFolder, QString::fromLatin1(kBuiltIn) }) {
        if (!folder.isEmpty()
            && translator.load(locale, QStringLiteral("mirvale"), QStringLiteral("_"), folder))
            return true;
    }
    return false;
}

/// Loaded once and kept for the whole process, never deleted: threads that outlive the
/// application object (a hung disk command answering at quit) still build English texts from it.
QTranslator *englishCatalogue()
{
    static QTranslator *const english = [] {
        auto *catalogue = new QTranslator;
        if (!loadMirvale(*catalogue, QLocale(QLocale::English))) {
            delete catalogue;
            return static_cast<QTranslator *>(nullptr);
        }
        return catalogue;
    }();
    return english;
}

void installEnglishCatalogue()
{
    if (QTranslator *english = englishCatalogue()) {
        QCoreApplication::installTranslator(english);
        UserText::setEnglishCatalogue(english);
    }
}

} // namespace

void Translations::installEnglish(QCoreApplication &)
{
    installEnglishCatalogue();
}

QString Translations::install(QCoreApplication &app, const QString &installedFolder, const QLocale &wanted)
{
    installEnglishCatalogue();
    // The system locale's ui languages are LANGUAGE's list, else LC_ALL, LC_MESSAGES, LANG.
    auto *mirvale = new QTranslator(&app);
    if (!loadMirvale(*mirvale, wanted, installedFolder)
        || mirvale->language().startsWith(QLatin1String("en"))) {
        delete mirvale;
        return s_installedLanguage = QStringLiteral("en");
    }
    const QString language = mirvale->language();
    s_installedLanguage = language;
    // Qt's own buttons in the language Mirvale speaks, so an alert never mixes two.
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    QCoreApplication::installTranslator(mirvale);
    return language;
}

QString Translations::installedLanguage()
{
    return s_installedLanguage;
}

void Translations::uninstall(QCoreApplication &app)
{
    if (QTranslator *english = englishCatalogue())
        QCoreApplication::removeTranslator(english);
    for (QTranslator *translator : app.findChildren<QTranslator *>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    s_installedLanguage = QStringLiteral("en");
}

bool Translations::installFile(QCoreApplication &app, const QString &path)
{
    auto *translator = new QTranslator(&app);
    if (!QFileInfo::exists(path) || !translator->load(path)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}
