#pragma once

#include "platform/host/HostExport.h"
#include "platform/host/OleColor.h"
#include "platform/host/StdFont.h"
#include "platform/host/Twips.h"

#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <QString>
#include <concepts>
#include <iosfwd>
#include <optional>

class QPaintDevice;

// The drawing surface of a control: the state and the calls a classic
// control's own surface offers, in twips with the origin at the top-left
// corner. docs/drawing.md describes units, pixel rules and testing.
namespace orx::draw {

// DrawStyle values. Styles other than solid apply only while DrawWidth is 1,
// as with the classic cosmetic pens; wider pens always draw solid.
namespace drawstyle {
inline constexpr int Solid = 0;
inline constexpr int Dash = 1;
inline constexpr int Dot = 2;
inline constexpr int DashDot = 3;
inline constexpr int DashDotDot = 4;
inline constexpr int Transparent = 5;
inline constexpr int InsideSolid = 6;
}  // namespace drawstyle

// FillStyle values: what closed figures (boxes, full circles, pies) are
// filled with, in FillColor.
namespace fillstyle {
inline constexpr int Solid = 0;
inline constexpr int Transparent = 1;
inline constexpr int HorizontalLine = 2;
inline constexpr int VerticalLine = 3;
inline constexpr int UpwardDiagonal = 4;
inline constexpr int DownwardDiagonal = 5;
inline constexpr int Cross = 6;
inline constexpr int DiagonalCross = 7;
}  // namespace fillstyle

// Format bits of DrawText, with the classic numeric values so that callers
// can pass the numbers their behaviour is defined with (16 word break, 17
// centred, 18 right, 1024 measure only).
namespace dt {
inline constexpr int Top = 0x0;
inline constexpr int Left = 0x0;
inline constexpr int Center = 0x1;
inline constexpr int Right = 0x2;
inline constexpr int VCenter = 0x4;       // single line only
inline constexpr int Bottom = 0x8;        // single line only
inline constexpr int WordBreak = 0x10;
inline constexpr int SingleLine = 0x20;
inline constexpr int ExpandTabs = 0x40;
inline constexpr int NoClip = 0x100;
inline constexpr int CalcRect = 0x400;    // measure: returns the height, draws nothing
inline constexpr int NoPrefix = 0x800;    // "&" is shown as is instead of underlining the next character
inline constexpr int HidePrefix = 0x100000;
}  // namespace dt

// The operations a surface performs; what a RecordingSurface records.
enum class Op { Line, LineTo, Rectangle, FillRectangle, Circle, Text, DrawText, FocusRect, Cls };

ORX_HOST_EXPORT QString operationName(Op op);

// One drawing operation with everything that decides its pixels: the
// coordinates in twips, the OLE colour as given (unresolved, so tests see
// the system colour they asked for) and the pen, fill and font state at the
// time of the call.
struct ORX_HOST_EXPORT DrawCall {
    Op op = Op::Line;
    // Line, LineTo: from (x1, y1) to (x2, y2). Rectangle, FillRectangle: the
    // two corners as given. Circle: the centre in (x1, y1). Text: the top-left
    // corner of the text in (x1, y1).
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    host::OleColor color;
    int drawWidth = 1;
    int drawStyle = drawstyle::Solid;
    int fillStyle = fillstyle::Transparent;
    host::OleColor fillColor;
    // Circle: radius, aspect, angles as given (a negative angle also draws
    // the radius to that end of the arc).
    double radius = 0;
    double aspect = 1.0;
    std::optional<double> startAngle;
    std::optional<double> endAngle;
    // Text and DrawText: the text and the font; DrawText, FocusRect: the
    // rectangle; DrawText: the format bits.
    QString text;
    host::StdFont font;
    host::TwipRect rect;
    int flags = 0;

    bool operator==(const DrawCall&) const = default;
};

ORX_HOST_EXPORT std::ostream& operator<<(std::ostream& out, const DrawCall& call);

// Anything that offers a width, a height and a line primitive (start point,
// end point, colour): what the frame routines draw on.
template <class S>
concept LineSurface = requires(S& surface, const S& constSurface, double v, host::OleColor color) {
    { constSurface.Width() } -> std::convertible_to<double>;
    { constSurface.Height() } -> std::convertible_to<double>;
    surface.Line(v, v, v, v, color);
};

// Text measurement on one device: the font and the device's pixel size in
// twips. Results are whole device pixels converted to twips, as the classic
// surface measured in pixels.
class ORX_HOST_EXPORT TextMeasure {
public:
    TextMeasure(const QFont& font, QPaintDevice* device, double twipsPerPixelX, double twipsPerPixelY);

    double lineHeight() const;  // twips from one line's top to the next one's
    double width(const QString& line) const;
    // DrawText's measure: the height and the widest line of `text` laid out
    // in `rect` with the format bits.
    QSizeF layout(const host::TwipRect& rect, const QString& text, int flags) const;

    static int qtFlags(int flags);
    static QString normalizedText(const QString& text);

private:
    QFont font_;
    QPaintDevice* device_;
    double tx_, ty_;
};

// The surface. The public calls keep the state (CurrentX/CurrentY, the
// defaults taken from ForeColor, validation) and hand each operation, fully
// described, to `replay`, which a concrete surface implements. A surface is
// not copyable: it stands for one device.
class ORX_HOST_EXPORT Surface {
public:
    explicit Surface(const QPalette& palette = QGuiApplication::palette());
    virtual ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // Size in twips; for a control, the extender's width and height, which
    // the owner supplies with setSize. The inner (scale) size equals it: a
    // control's surface has no border of its own.
    virtual double Width() const { return width_; }
    virtual double Height() const { return height_; }
    double ScaleWidth() const { return Width(); }
    double ScaleHeight() const { return Height(); }
    void setSize(double width, double height);

    // State. Setting DrawWidth below 1, or DrawStyle or FillStyle outside
    // their values, raises "Invalid property value" (380).
    host::OleColor ForeColor() const { return foreColor_; }
    void setForeColor(host::OleColor color) { foreColor_ = color; }
    host::OleColor BackColor() const { return backColor_; }
    void setBackColor(host::OleColor color) { backColor_ = color; }
    host::OleColor FillColor() const { return fillColor_; }
    void setFillColor(host::OleColor color) { fillColor_ = color; }
    int FillStyle() const { return fillStyle_; }
    void setFillStyle(int style);
    int DrawWidth() const { return drawWidth_; }
    void setDrawWidth(int pixels);
    int DrawStyle() const { return drawStyle_; }
    void setDrawStyle(int style);
    const host::StdFont& Font() const { return font_; }
    void setFont(const host::StdFont& font) { font_ = font; }
    double CurrentX() const { return currentX_; }
    void setCurrentX(double x) { currentX_ = x; }
    double CurrentY() const { return currentY_; }
    void setCurrentY(double y) { currentY_ = y; }

    // System colours resolve through this palette.
    const QPalette& palette() const { return palette_; }
    void setPalette(const QPalette& palette) { palette_ = palette; }
    QColor resolve(host::OleColor color) const { return host::resolveColor(color, palette_); }

    // A line from (x1, y1) to (x2, y2); the end point itself is not painted.
    // An omitted colour is ForeColor. CurrentX/CurrentY become (x2, y2).
    void Line(double x1, double y1, double x2, double y2, std::optional<host::OleColor> color = {});
    // A line from (CurrentX, CurrentY) to (x2, y2).
    void LineTo(double x2, double y2, std::optional<host::OleColor> color = {});
    // The outline of the box with corners (x1, y1) and (x2, y2), both corners
    // painted; the inside is filled first per FillStyle in FillColor.
    void Rectangle(double x1, double y1, double x2, double y2, std::optional<host::OleColor> color = {});
    // The box with corners (x1, y1) and (x2, y2) filled with the colour.
    void FillRectangle(double x1, double y1, double x2, double y2, std::optional<host::OleColor> color = {});
    // A circle, ellipse or arc centred on (x, y). With aspect below 1 the
    // radius is the horizontal one and the vertical is radius * aspect; above
    // 1 the radius is the vertical one and the horizontal is radius / aspect.
    // Angles are radians from 3 o'clock counter-clockwise, within -2pi..2pi
    // (an omitted start is 0, an omitted end 2pi); a negative angle also
    // draws the radius to that end. Full ellipses and pies (both angles
    // negative) are filled per FillStyle. CurrentX/CurrentY become the centre.
    // Angles outside -2pi..2pi, a negative radius and an aspect of 0 or less
    // raise "Invalid procedure call" (5).
    void Circle(double x, double y, double radius, std::optional<host::OleColor> color = {},
                std::optional<double> startAngle = {}, std::optional<double> endAngle = {}, double aspect = 1.0);

    // Prints text at (CurrentX, CurrentY), the top of the text at CurrentY,
    // in Font and ForeColor. Each line break starts a new line at the left
    // edge. Afterwards the position is at the start of the next line, or,
    // with `stayOnLine` (the classic trailing ";"), just after the text.
    void Print(const QString& text, bool stayOnLine = false);
    // Text whose top-left corner is at (x, y); lines below start at x too.
    // The current position is left alone.
    void TextOut(double x, double y, const QString& text);
    double TextWidth(const QString& text) const;   // the widest line
    double TextHeight(const QString& text) const;  // line height times lines
    // Text laid out in a rectangle per the dt:: format bits. Returns the
    // height of the laid-out text in twips (0 for an empty text); with
    // dt::CalcRect nothing is drawn. `measured`, when given, receives the
    // rectangle the text occupies (left and top of `rect`, the widest line
    // and the height).
    double DrawText(const host::TwipRect& rect, const QString& text, int flags,
                    host::TwipRect* measured = nullptr);
    // The dotted focus rectangle, drawn by inverting every other pixel of its
    // one-pixel outline, so drawing it twice restores the surface exactly.
    void DrawFocusRect(const host::TwipRect& rect);
    // The same with a rectangle in the screen's pixels (left, top inclusive;
    // right, bottom exclusive), as controls compute it.
    void DrawFocusRectPixels(int left, int top, int right, int bottom);
    // Clears the surface to the colour (BackColor when omitted) and moves the
    // current position to (0, 0).
    void Cls(std::optional<host::OleColor> color = {});

    // Performs one described operation; used by the calls above and to play
    // back or forward recorded calls.
    virtual void replay(const DrawCall& call) = 0;

    // Measures text as this surface draws it, in its current Font.
    TextMeasure textMeasure() const { return measureFor(font_); }
    // Measures text in any font as this surface would draw it.
    virtual TextMeasure measureFor(const host::StdFont& font) const = 0;

protected:
    DrawCall makeCall(Op op) const;
    // A two-point operation (line, box): records it and moves the current point to its end.
    void segment(Op op, double x1, double y1, double x2, double y2, std::optional<host::OleColor> color);

private:
    QPalette palette_;
    double width_ = 0, height_ = 0;
    host::OleColor foreColor_{host::syscolor::ButtonText};
    host::OleColor backColor_{host::syscolor::ButtonFace};
    host::OleColor fillColor_{0};
    int fillStyle_ = fillstyle::Transparent;
    int drawWidth_ = 1;
    int drawStyle_ = drawstyle::Solid;
    host::StdFont font_;
    double currentX_ = 0, currentY_ = 0;
};

}  // namespace orx::draw
