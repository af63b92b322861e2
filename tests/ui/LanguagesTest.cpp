#include "support/Translations.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

// Mirvale and Qt's own buttons speak the first language of the user's that Mirvale has, and a
// right-to-left one lays the windows out right to left; a language Mirvale lacks stays English.
TEST(Languages, MirvaleAndQtSpeakTheUsersLanguage)
{
    const struct {
        const char *wanted;
        const char *spoken;
        const char *cancel;
        Qt::LayoutDirection direction;
    } rows[] = {
        { "de_DE", "de", "Abbrechen", Qt::LeftToRight },
        { "ar_EG", "ar", "\u0623\u0644\u063a\u0650", Qt::RightToLeft },
        { "ja_JP", "ja", "\u30ad\u30e3\u30f3\u30bb\u30eb", Qt::LeftToRight },
        { "fr_FR", "en", "Cancel", Qt::LeftToRight },
    };
    for (const auto &row : rows) {
        Translations::uninstall(*qApp);
        EXPECT_EQ(Translations::install(*qApp, {}, QLocale(QString::fromLatin1(row.wanted))),
            QLatin1String(row.spoken));
        QCoreApplication::sendPostedEvents(qApp, QEvent::LanguageChange);
        QMessageBox box(QMessageBox::Warning, QString(), QString(), QMessageBox::Cancel);
        EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString::fromUtf8(row.cancel)) << row.wanted;
        EXPECT_EQ(QGuiApplication::layoutDirection(), row.direction) << row.wanted;
    }
    Translations::uninstall(*qApp);
    Translations::installEnglish(*qApp);
}
