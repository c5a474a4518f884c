#pragma once

#include "platform/host/HostExport.h"

#include <QColor>
#include <QMetaType>
#include <QPalette>
#include <cstdint>

namespace orx::host {

// An OLE colour: 0x00BBGGRR for an explicit colour, or a system colour
// index with the high bit set (0x80000005 window background ...).
struct ORX_HOST_EXPORT OleColor {
    std::uint32_t value = 0;

    constexpr bool isSystem() const { return (value & 0x80000000u) != 0; }
    constexpr bool operator==(const OleColor&) const = default;
};

namespace syscolor {
inline constexpr std::uint32_t ScrollBar = 0x80000000u;
inline constexpr std::uint32_t Desktop = 0x80000001u;
inline constexpr std::uint32_t ActiveTitle = 0x80000002u;
inline constexpr std::uint32_t InactiveTitle = 0x80000003u;
inline constexpr std::uint32_t MenuBar = 0x80000004u;
inline constexpr std::uint32_t WindowBackground = 0x80000005u;
inline constexpr std::uint32_t WindowFrame = 0x80000006u;
inline constexpr std::uint32_t MenuText = 0x80000007u;
inline constexpr std::uint32_t WindowText = 0x80000008u;
inline constexpr std::uint32_t TitleBarText = 0x80000009u;
inline constexpr std::uint32_t ActiveBorder = 0x8000000Au;
inline constexpr std::uint32_t InactiveBorder = 0x8000000Bu;
inline constexpr std::uint32_t ApplicationWorkspace = 0x8000000Cu;
inline constexpr std::uint32_t Highlight = 0x8000000Du;
inline constexpr std::uint32_t HighlightText = 0x8000000Eu;
inline constexpr std::uint32_t ButtonFace = 0x8000000Fu;
inline constexpr std::uint32_t ButtonShadow = 0x80000010u;
inline constexpr std::uint32_t GrayText = 0x80000011u;
inline constexpr std::uint32_t ButtonText = 0x80000012u;
inline constexpr std::uint32_t InactiveCaptionText = 0x80000013u;
inline constexpr std::uint32_t ButtonHighlight = 0x80000014u;
inline constexpr std::uint32_t DarkShadow3D = 0x80000015u;
inline constexpr std::uint32_t Light3D = 0x80000016u;
inline constexpr std::uint32_t InfoText = 0x80000017u;
inline constexpr std::uint32_t InfoBackground = 0x80000018u;
}  // namespace syscolor

// The colour an OLE colour stands for: explicit colours by their bytes,
// system colours through the palette (the application palette by default).
ORX_HOST_EXPORT QColor resolveColor(OleColor color, const QPalette& palette);
ORX_HOST_EXPORT QColor resolveColor(OleColor color);

// The OLE colour of an explicit colour.
ORX_HOST_EXPORT OleColor toOleColor(const QColor& color);

}  // namespace orx::host

Q_DECLARE_METATYPE(orx::host::OleColor)
