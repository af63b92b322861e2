#include "ui/TrayIcon.h"
#include "ui/Appearance.h"
#include "ui/IndicatorEdgeStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>
#include <utility>

#include <gtest/gtest.h>

namespace {

int inkedPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    }
    return count;
}

/// The distance of pixel (x, y) of a side × side image from the paused stroke, in points.
qreal distanceFromDiagonal(int x, int y, int side)
{
    const qreal scale = TrayIcon::kSide / side;
    const qreal px = (x + 0.5) * scale;
    const qreal py = (y + 0.5) * scale;
    // The stroke runs from (2.5, 15.5) to (15.5, 2.5) on screen: the line px + py = 18.
    return std::abs(px + py - TrayIcon::kSide) / std::sqrt(2.0);
}

} // namespace

TEST(TrayIcon, TheSameVariantAndColourGiveTheSameIcon)
{
    const QIcon first = TrayIcon::icon(false, Qt::black);
    EXPECT_EQ(first.cacheKey(), TrayIcon::icon(false, Qt::black).cacheKey());
    EXPECT_NE(first.cacheKey(), TrayIcon::icon(true, Qt::black).cacheKey());
    EXPECT_NE(first.cacheKey(), TrayIcon::icon(false, Qt::white).cacheKey());
}

TEST(TrayIcon, PausedDiffersOnlyAlongTheDiagonal)
{
    for (int side : TrayIcon::kTraySizes) {
        for (qreal ratio : { 1.0, 2.0 }) {
            const QImage normal = TrayIcon::image(false, Qt::black, side, ratio);
            const QImage paused = TrayIcon::image(true, Qt::black, side, ratio);
            ASSERT_EQ(normal.size(), QSize(qRound(side * ratio), qRound(side * ratio)));
            EXPECT_EQ(normal.devicePixelRatio(), ratio);
            int differing = 0;
            for (int y = 0; y < normal.height(); ++y) {
                for (int x = 0; x < normal.width(); ++x) {
                    if (normal.pixel(x, y) == paused.pixel(x, y))
                        continue;
                    ++differing;
                    // Half the stroke width, and a pixel's worth of antialiasing.
                    EXPECT_LE(distanceFromDiagonal(x, y, normal.width()),
                        0.8 + 1.5 * TrayIcon::kSide / normal.width())
                        << side << "@" << ratio << " at " << x << "," << y;
                }
            }
            EXPECT_GT(differing, normal.width()) << side << "@" << ratio;
        }
    }
}

TEST(TrayIcon, AMaskInTheGivenColourOnAClearGround)
{
    const QColor panelText(230, 230, 230);
    const QImage image = TrayIcon::image(false, panelText, 32, 2);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_GT(inkedPixels(image), 64 * 2);
    // Every fully inked pixel has exactly the colour asked for.
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 255) {
                ASSERT_EQ(QColor(pixel).rgb(), panelText.rgb());
            }
        }
    }
    // The card's cut corner is top right: the top-right pixel area stays clear, the
    // top-left corner's edge is inked.
    const QImage small = TrayIcon::image(false, Qt::black, 18, 1);
    EXPECT_EQ(qAlpha(small.pixel(13, 2)), 0);
    EXPECT_GT(qAlpha(small.pixel(4, 8)), 0); // the left edge
}

TEST(TrayIcon, TheIconDrawsAtTheRequestedSizeAndRatio)
{
    const QIcon icon = TrayIcon::icon(true, Qt::black);
    const QPixmap pixmap = icon.pixmap(QSize(22, 22), 2.0);
    EXPECT_EQ(pixmap.size(), QSize(44, 44));
    EXPECT_EQ(
        pixmap.toImage(), TrayIcon::image(true, Qt::black, 22, 2).convertToFormat(pixmap.toImage().format()));
}

namespace {

/// The contrast ratio of two colours, as the web's accessibility guidelines define it.
double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb rgb) {
        double sum = 0;
        for (const auto &[value, weight] :
            { std::pair { qRed(rgb), 0.2126 }, { qGreen(rgb), 0.7152 }, { qBlue(rgb), 0.0722 } }) {
            const double c = value / 255.0;
            sum += weight * (c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return sum;
    };
    const auto [dark, light] = std::minmax({ luminance(a), luminance(b) });
    return (light + 0.05) / (dark + 0.05);
}

/// How many pixels of `icon` shown on `panel` stand out from it at 3:1, what non-text marks
/// need to be seen.
int standingOut(const QImage &icon, const QColor &panel)
{
    QImage shown(icon.size(), QImage::Format_RGB32);
    shown.fill(panel);
    QPainter painter(&shown);
    painter.drawImage(0, 0, icon);
    painter.end();
    int count = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x)
            count += contrast(shown.pixel(x, y), panel.rgb()) >= 3.0 ? 1 : 0;
    }
    return count;
}

} // namespace

// An XEmbed tray shows the pixels as drawn, on a panel of any colour; the card's outline alone
// is some 60 pixels long at 22 px. The palette-coloured mask it replaces vanished on dark panels.
TEST(TrayIcon, TheTrayIconReadsOnDarkAndLightPanels)
{
    const QColor panels[] = { Qt::black, QColor(0x30, 0x30, 0x30), QColor(0x3c, 0x3f, 0x41),
        QColor(0x80, 0x80, 0x80), QColor(0xd6, 0xd6, 0xd6), QColor(0xf6, 0xf5, 0xf4), Qt::white };
    for (bool paused : { false, true }) {
        const QImage icon = TrayIcon::trayIcon(paused).pixmap(QSize(22, 22)).toImage();
        for (const QColor &panel : panels)
            EXPECT_GE(standingOut(icon, panel), 60) << qPrintable(panel.name()) << (paused ? " paused" : "");
    }
    EXPECT_EQ(standingOut(TrayIcon::image(false, QColor(0x1d, 0x1d, 0x1f), 22), QColor(0x30, 0x30, 0x30)), 0);
}

// Greyed-out text reads on the window, fields and buttons (3:1, as for controls that cannot be
// used), and stays plainly dimmer than enabled text.
TEST(Appearance, DisabledTextReadsAndLooksDisabled)
{
    for (const auto mode : { Appearance::Mode::Light, Appearance::Mode::Dark }) {
        const QPalette p = Appearance::palette(mode);
        const QRgb disabled = p.color(QPalette::Disabled, QPalette::Text).rgb();
        EXPECT_GE(contrast(p.color(QPalette::Text).rgb(), disabled), 2.0);
        for (const auto role : { QPalette::Window, QPalette::Base, QPalette::Button })
            EXPECT_GE(contrast(disabled, p.color(QPalette::Disabled, role).rgb()), 3.0) << qRed(disabled);
    }
}

// An unchecked indicator's edge stands out from the window in both appearances; Fusion's own
// reached 3:1 nowhere on the dark window.
TEST(Appearance, CheckBoxesAndRadioButtonsReadOnTheirWindow)
{
    const IndicatorEdgeStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const auto mode : { Appearance::Mode::Light, Appearance::Mode::Dark }) {
        QStyleOptionButton option;
        option.palette = Appearance::palette(mode);
        option.rect = QRect(0, 0, 16, 16);
        option.state = QStyle::State_Enabled | QStyle::State_Off;
        for (const auto element : { QStyle::PE_IndicatorCheckBox, QStyle::PE_IndicatorRadioButton }) {
            QImage drawn(16, 16, QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::transparent);
            QPainter painter(&drawn);
            style.drawPrimitive(element, &option, &painter);
            painter.end();
            EXPECT_GE(standingOut(drawn, option.palette.color(QPalette::Window)), 12) << element;
        }
    }
}
