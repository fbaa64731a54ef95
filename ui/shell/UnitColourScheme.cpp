#include "UnitColourScheme.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <cmath>

TColourScheme ColourSchemeOf(const QString &name)
{
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("dark"))
        return TColourScheme::Dark;
    if (n == QLatin1String("light"))
        return TColourScheme::Light;
    return TColourScheme::Desktop;
}

TColourScheme ColourSchemeFromEnvironment()
{
    return ColourSchemeOf(qEnvironmentVariable("ORVALIS_COLOUR_SCHEME"));
}

QPalette DarkPalette()
{
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230), disabledText(130, 130, 130);
    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, QColor(60, 60, 60));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, QColor(255, 90, 90));
    p.setColor(QPalette::Light, QColor(80, 80, 80));
    p.setColor(QPalette::Midlight, QColor(66, 66, 66));
    p.setColor(QPalette::Mid, QColor(40, 40, 40));
    p.setColor(QPalette::Dark, QColor(30, 30, 30));
    p.setColor(QPalette::Shadow, QColor(10, 10, 10));
    p.setColor(QPalette::Highlight, QColor(42, 110, 190));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(110, 170, 240));
    p.setColor(QPalette::LinkVisited, QColor(170, 140, 230));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabledText);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(80, 80, 80));
    p.setColor(QPalette::Disabled, QPalette::HighlightedText, disabledText);
    return p;
}

void ApplyColourScheme(TColourScheme scheme)
{
    if (scheme == TColourScheme::Desktop)
        return;
    QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    if (!fusion)
        return;
    QApplication::setStyle(fusion); // the application takes ownership
    QApplication::setPalette(scheme == TColourScheme::Dark ? DarkPalette() : fusion->standardPalette());
}

bool IsDarkPalette(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightnessF() < palette.color(QPalette::WindowText).lightnessF();
}

namespace {
double Luminance(const QColor &c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    const QColor rgb = c.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}
} // namespace

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void ShowEditGreyed(QWidget *edit, bool greyed)
{
    // Only the field's background changes, to the button colour of the palette the edit inherits;
    // its text keeps the palette's text colour, readable on either background. A palette that
    // resolves nothing gives the edit back its inherited palette, following any later change (a
    // default QPalette would carry every colour of an application palette that was set).
    QPalette own;
    own.setResolveMask(0);
    edit->setPalette(own);
    if (!greyed)
        return;
    const QPalette inherited = edit->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        own.setColor(group, QPalette::Base, inherited.color(group, QPalette::Button));
    edit->setPalette(own);
}
