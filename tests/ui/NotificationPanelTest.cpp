#include "ui/NotificationPanel.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

QPalette darkPalette()
{
    QPalette palette;
    const QColor text(0xec, 0xec, 0xec);
    palette.setColor(QPalette::Window, QColor(0x32, 0x32, 0x32));
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, QColor(0x26, 0x26, 0x26));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(0x45, 0x45, 0x45));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0x7f, 0xd9));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

/// The panel as it would look over a desktop picture.
QImage onDesktop(NotificationPanel &panel)
{
    const QPixmap shot = panel.grab();
    QImage canvas(shot.width() + 40, shot.height() + 40, QImage::Format_ARGB32);
    QPainter painter(&canvas);
    QLinearGradient sky(0, 0, canvas.width(), canvas.height());
    sky.setColorAt(0, QColor(0x3a, 0x6e, 0xa5));
    sky.setColorAt(1, QColor(0xc9, 0x8b, 0x5a));
    painter.fillRect(canvas.rect(), sky);
    painter.drawPixmap(20, 20, shot);
    return canvas;
}

TEST(NotificationPanel, ReadsWellInLightAndDarkPalettes)
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const PanelContent opened { QStringLiteral("EOS_DIGITAL"),
        QStringLiteral("Opened DCIM/101CANON \u00b7 245 files \u00b7 31.9\u00a0GB\u00a0free"), false, true };
    const PanelContent problem { QStringLiteral(
                                     "NIKON D850 with a name far too long for a single line of the panel"),
        QStringLiteral("The file manager could not open the folder: the card was removed before it "
                       "answered, so nothing was shown."),
        true, false };
    const struct {
        const char *name;
        QPalette palette;
        bool dark;
    } palettes[]
        = { { "light", QApplication::style()->standardPalette(), false }, { "dark", darkPalette(), true } };
    const QString folder = qEnvironmentVariable("MIRVALE_SNAPSHOT_DIR");
    for (const auto &look : palettes) {
        for (const auto &[kind, content] :
            { std::pair { "opened", opened }, std::pair { "problem", problem } }) {
            SCOPED_TRACE(std::string(look.name) + " " + kind);
            NotificationPanel panel(content, {});
            panel.setPalette(look.palette);
            EXPECT_EQ(panel.width(), 330);
            EXPECT_EQ(panel.findChild<QPushButton *>() != nullptr, content.hasUnmount);
            QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(&panel); // read aloud
            EXPECT_EQ(
                spoken->role(), content.isProblem ? QAccessible::AlertMessage : QAccessible::Notification);
            EXPECT_EQ(spoken->text(QAccessible::Name), content.title + QStringLiteral(": ") + content.body);
            const QImage image = panel.grab().toImage();
            // The panel's face follows the palette, and its corners are see-through.
            const int middle = qGray(image.pixel(image.width() / 2, image.height() - 4));
            EXPECT_EQ(middle < 128, look.dark) << middle;
            EXPECT_LT(qAlpha(image.pixel(0, 0)), 40);
            // The body text is dimmer than the title.
            const auto *title = panel.findChild<QLabel *>(QStringLiteral("panelTitle"));
            const auto *body = panel.findChild<QLabel *>(QStringLiteral("panelBody"));
            EXPECT_LT(body->palette().color(QPalette::WindowText).alphaF(),
                title->palette().color(QPalette::WindowText).alphaF());
            if (!folder.isEmpty()) {
                QDir().mkpath(folder);
                onDesktop(panel).save(
                    QStringLiteral("%1/panel-%2-%3.png")
                        .arg(folder, QString::fromLatin1(look.name), QString::fromLatin1(kind)));
            }
        }
    }
}

/// Puts the panel's Unmount button into a language with a longer word for it.
class LongUnmount : public QTranslator {
public:
    int repeats = 1;
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return qstrcmp(context, "NotificationPanel") == 0 && qstrcmp(source, "Unmount") == 0
            ? QStringLiteral("Unmount ").repeated(repeats).trimmed()
            : QString();
    }
    bool isEmpty() const override { return false; }
};

TEST(NotificationPanel, GrowsForALongerButtonButStaysOnTheScreen)
{
    const int screenRoom
        = QGuiApplication::primaryScreen()->availableGeometry().width() - 2 * NotificationPanel::kScreenInset;
    LongUnmount longer;
    QCoreApplication::installTranslator(&longer);
    for (const int repeats : { 8, 200 }) {
        longer.repeats = repeats;
        NotificationPanel panel(
            { QStringLiteral("EOS_DIGITAL"), QStringLiteral("Opened DCIM"), false, true }, {});
        const int needed = panel.findChild<QPushButton *>()->sizeHint().width() + 24;
        EXPECT_EQ(panel.width(), std::min(needed, screenRoom)) << repeats;
        EXPECT_GT(panel.width(), NotificationPanel::kWidth) << repeats;
        // The texts use the room too.
        EXPECT_EQ(panel.findChild<QLabel *>(QStringLiteral("panelBody"))->width(),
            panel.width() - (NotificationPanel::kWidth - NotificationPanel::kTextWidth));
    }
    QCoreApplication::removeTranslator(&longer);
}

} // namespace
