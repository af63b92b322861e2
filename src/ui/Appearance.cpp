#include "ui/Appearance.h"

#include "ui/IndicatorEdgeStyle.h"

#include <QApplication>
#include <QStyleFactory>

namespace {

struct Colors {
    QColor window, base, alternateBase, text, secondaryText, disabledText, button, highlight, highlightedText,
        link, toolTipBase, light, midlight, mid, dark, shadow;
};

Colors colors(Appearance::Mode mode)
{
    if (mode == Appearance::Mode::Dark) {
        // Fields lighter than the window, lists darker, as dark desktops draw them.
        return { .window = QColor(0x2b, 0x2b, 0x2d),
            .base = QColor(0x3a, 0x3a, 0x3e),
            .alternateBase = QColor(0x33, 0x33, 0x36),
            .text = QColor(0xe8, 0xe8, 0xea),
            .secondaryText = QColor(0x9a, 0x9a, 0xa0),
            .disabledText = QColor(0x8e, 0x8e, 0x94),
            .button = QColor(0x3a, 0x3a, 0x3d),
            .highlight = QColor(0x2f, 0x6f, 0xd6),
            .highlightedText = QColor(0xff, 0xff, 0xff),
            .link = QColor(0x6c, 0xb4, 0xff),
            .toolTipBase = QColor(0x3a, 0x3a, 0x3d),
            .light = QColor(0x55, 0x55, 0x59),
            .midlight = QColor(0x46, 0x46, 0x4a),
            .mid = QColor(0x22, 0x22, 0x24),
            .dark = QColor(0x18, 0x18, 0x1a),
            .shadow = QColor(0x00, 0x00, 0x00) };
    }
    return { .window = QColor(0xec, 0xec, 0xee),
        .base = QColor(0xff, 0xff, 0xff),
        .alternateBase = QColor(0xf5, 0xf5, 0xf7),
        .text = QColor(0x1d, 0x1d, 0x1f),
        .secondaryText = QColor(0x6e, 0x6e, 0x73),
        .disabledText = QColor(0x86, 0x86, 0x8b),
        .button = QColor(0xf7, 0xf7, 0xf9),
        .highlight = QColor(0x1f, 0x6f, 0xeb),
        .highlightedText = QColor(0xff, 0xff, 0xff),
        .link = QColor(0x0a, 0x5c, 0xd6),
        .toolTipBase = QColor(0xff, 0xff, 0xe8),
        .light = QColor(0xff, 0xff, 0xff),
        .midlight = QColor(0xe0, 0xe0, 0xe3),
        .mid = QColor(0xbf, 0xbf, 0xc4),
        .dark = QColor(0x9a, 0x9a, 0x9f),
        .shadow = QColor(0x6a, 0x6a, 0x6f) };
}

} // namespace

QPalette Appearance::palette(Mode mode)
{
    const Colors c = colors(mode);
    QPalette p;
    for (const auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled }) {
        const bool disabled = group == QPalette::Disabled;
        const QColor text = disabled ? c.disabledText : c.text;
        p.setColor(group, QPalette::Window, c.window);
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Base, c.base);
        p.setColor(group, QPalette::AlternateBase, c.alternateBase);
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::PlaceholderText, disabled ? c.disabledText : c.secondaryText);
        p.setColor(group, QPalette::Button, c.button);
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::BrightText, Qt::white);
        p.setColor(group, QPalette::Light, c.light);
        p.setColor(group, QPalette::Midlight, c.midlight);
        p.setColor(group, QPalette::Mid, c.mid);
        p.setColor(group, QPalette::Dark, c.dark);
        p.setColor(group, QPalette::Shadow, c.shadow);
        p.setColor(group, QPalette::Link, c.link);
        p.setColor(group, QPalette::LinkVisited, c.link);
        p.setColor(group, QPalette::ToolTipBase, c.toolTipBase);
        p.setColor(group, QPalette::ToolTipText, c.text);
        // An unfocused window keeps a visible but quieter selection.
        QColor highlight = c.highlight;
        if (group == QPalette::Inactive)
            highlight = mode == Mode::Dark ? QColor(0x46, 0x46, 0x4c) : QColor(0xd4, 0xd4, 0xd9);
        if (disabled)
            highlight = c.mid;
        p.setColor(group, QPalette::Highlight, highlight);
        p.setColor(
            group, QPalette::HighlightedText, group == QPalette::Inactive ? c.text : c.highlightedText);
    }
    return p;
}

void Appearance::apply(QApplication &app, Mode mode)
{
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(new IndicatorEdgeStyle(fusion));
    app.setPalette(palette(mode));
}

Appearance::Mode Appearance::forDesktop(const QPalette &platformPalette)
{
    return isDark(platformPalette) ? Mode::Dark : Mode::Light;
}

bool Appearance::isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

QColor Appearance::toneColor(Tone tone, const QPalette &palette)
{
    const bool dark = isDark(palette);
    switch (tone) {
    case Tone::Error:
        return dark ? QColor(0xff, 0x45, 0x3a) : QColor(0xd7, 0x26, 0x1e);
    case Tone::Warning:
        return dark ? QColor(0xff, 0x9f, 0x0a) : QColor(0xc9, 0x6a, 0x00);
    case Tone::Success:
        return dark ? QColor(0x32, 0xd7, 0x4b) : QColor(0x1e, 0x9e, 0x3a);
    case Tone::Secondary:
        break;
    }
    return palette.color(QPalette::Active, QPalette::PlaceholderText);
}

QColor Appearance::controlBackground(const QPalette &palette)
{
    return isDark(palette) ? QColor(0x1f, 0x1f, 0x21) : QColor(0xff, 0xff, 0xff);
}

QColor Appearance::separatorColor(const QPalette &palette)
{
    return isDark(palette) ? QColor(0x48, 0x48, 0x4c) : QColor(0xd0, 0xd0, 0xd4);
}

QColor Appearance::focusRingColor(const QPalette &palette)
{
    // Light: 5.0:1 on the window, 3.2:1 on a field's border. Dark: 6.5:1 and 4.2:1.
    return isDark(palette) ? QColor(0x6c, 0xb4, 0xff) : QColor(0x1a, 0x5f, 0xd0);
}
