#include "platform/host/OleColor.h"

#include <QGuiApplication>

namespace orx::host {

QColor resolveColor(OleColor color, const QPalette& p)
{
    if (!color.isSystem()) {
        const std::uint32_t v = color.value;
        return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
    }
    using namespace syscolor;
    switch (color.value) {
    case WindowBackground: return p.color(QPalette::Active, QPalette::Base);
    case WindowText:
    case MenuText: return p.color(QPalette::Active, QPalette::Text);
    case Highlight: return p.color(QPalette::Active, QPalette::Highlight);
    case HighlightText: return p.color(QPalette::Active, QPalette::HighlightedText);
    case ButtonFace:
    case MenuBar:
    case ScrollBar:
    case ActiveBorder:
    case InactiveBorder: return p.color(QPalette::Active, QPalette::Button);
    case ButtonShadow: return p.color(QPalette::Active, QPalette::Mid);
    case GrayText: return p.color(QPalette::Disabled, QPalette::Text);
    case ButtonText: return p.color(QPalette::Active, QPalette::ButtonText);
    case ButtonHighlight: return p.color(QPalette::Active, QPalette::Light);
    case DarkShadow3D: return p.color(QPalette::Active, QPalette::Shadow);
    case Light3D: return p.color(QPalette::Active, QPalette::Midlight);
    case InfoText: return p.color(QPalette::Active, QPalette::ToolTipText);
    case InfoBackground: return p.color(QPalette::Active, QPalette::ToolTipBase);
    case Desktop:
    case ApplicationWorkspace: return p.color(QPalette::Active, QPalette::Dark);
    case ActiveTitle: return p.color(QPalette::Active, QPalette::Highlight);
    case InactiveTitle: return p.color(QPalette::Inactive, QPalette::Highlight);
    case TitleBarText: return p.color(QPalette::Active, QPalette::HighlightedText);
    case InactiveCaptionText: return p.color(QPalette::Inactive, QPalette::HighlightedText);
    case WindowFrame: return p.color(QPalette::Active, QPalette::WindowText);
    default: return p.color(QPalette::Active, QPalette::Window);
    }
}

QColor resolveColor(OleColor color)
{
    return resolveColor(color, QGuiApplication::palette());
}

OleColor toOleColor(const QColor& color)
{
    const QColor c = color.toRgb();
    return OleColor{std::uint32_t(c.red()) | (std::uint32_t(c.green()) << 8) | (std::uint32_t(c.blue()) << 16)};
}

}  // namespace orx::host
