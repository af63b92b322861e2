#include "support/ShownText.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// One row per name: how it is shown, and the entry texts for Qt's own menu and for DBusMenu.
TEST(ShownText, NamesShownExactlyOnEveryMedium)
{
    struct Row {
        const char16_t *name;
        const char16_t *isolated;
        const char16_t *qtMenu;
        const char16_t *dbusMenu;
    };
    const Row rows[] = {
        { u"EOS_DIGITAL", u"EOS_DIGITAL", u"EOS_DIGITAL", u"EOS__DIGITAL" },
        { u"R&D_CARD", u"R&D_CARD", u"R&&D_CARD", u"&R&D__CARD" },
        { u"A&B&C", u"A&B&C", u"A&&B&&C", u"&A&B&C" },
        { u"SALE&", u"SALE&", u"SALE&&", u"SALE&" },
        { u"_X", u"_X", u"_X", u"__X" },
        { u"\u202Egpj.exe", u"<U+202E>gpj.exe", u"<U+202E>gpj.exe", u"<U+202E>gpj.exe" },
        { u"TAB\tNL\n\x7F", u"TAB\u2409NL\u240A\u2421", u"TAB\u2409NL\u240A\u2421",
            u"TAB\u2409NL\u240A\u2421" },
        { u"\u0645\u0635\u0648\u0631 1", u"\u2068\u0645\u0635\u0648\u0631 1\u2069", u"", u"" },
        { u"\u2067X\u2069\u0085", u"<U+2067>X<U+2069><U+0085>", u"", u"" },
    };
    EXPECT_EQ(ShownText::forTerminal(QString::fromUtf16(u"\u2068\u0645\u2069\u2069\u2068\u202E\n")),
        QString::fromUtf16(u"\u2068\u0645\u2069\\u2069\\u2068\\u202E\\n")); // a terminal's line
    for (const Row &row : rows) {
        const QString name = QString::fromUtf16(row.name);
        const QString shown = ShownText::isolated(name);
        EXPECT_EQ(shown, QString::fromUtf16(row.isolated)) << name.toStdString();
        if (*row.qtMenu) {
            EXPECT_EQ(ShownText::forQtMenu(shown), QString::fromUtf16(row.qtMenu)) << name.toStdString();
            EXPECT_EQ(ShownText::forDBusMenu(shown), QString::fromUtf16(row.dbusMenu)) << name.toStdString();
        }
    }
}

// "|" marks where a label may now wrap: only inside long runs, never inside a character.
TEST(ShownText, LongRunsWrapInAlerts)
{
    const QString accents = u"e\u0301"_s.repeated(12), camera = u"\U0001F4F7"_s;
    const std::pair<QString, QString> rows[] = {
        { u"Couldn\u2019t import \u201cexp2.json\u201d"_s, u"Couldn\u2019t import \u201cexp2.json\u201d"_s },
        { u"/home/u/Pictures/Exports/2026/a.json"_s, u"/|home/|u/|Pictures/|Exports/|2026/|a.json"_s },
        { u"EOS_DIGITAL_"_s.repeated(3) + u" ok"_s, u"EOS_DIGITAL_|EOS_DIGITAL_EOS_DIGITAL_ ok"_s },
        { accents + camera.repeated(26), accents + u'|' + camera.repeated(12) + u'|' + camera.repeated(14) },
        { u"/media/u/Folder_10_of_Exports/Folder_11_of_Exports"_s,
            u"/|media/|u/|Folder_10_of_Exports/|Folder_11_of_Exports"_s },
    };
    for (const auto &[text, shown] : rows)
        EXPECT_EQ(ShownText::wrappable(text), QString(shown).replace(u'|', QChar(0x200B)));
}

} // namespace
