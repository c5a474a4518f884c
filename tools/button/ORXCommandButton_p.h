#pragma once

// The command button's private side: its constituent parts and its state.
// Only the button's own files include it.
#include "tools/button/ORXCommandButton.h"

#include "tools/button/ButtonFaces.h"
#include "tools/button/ButtonLayout.h"

#include <QImage>
#include <QPointer>
#include <QStringList>

#include <optional>

class QShortcut;

namespace orx::draw {
class Surface;
}
namespace orx::host {
class PropertyBag;
}

namespace orx::tools {

class ORXCommandButton::Private {
public:
    explicit Private(ORXCommandButton* owner)
        : q(owner)
    {
    }

    ORXCommandButton* const q;

    // Constituent parts.
    QLabel* IMG_Button = nullptr;
    QTimer* TM_Mouse = nullptr;
    QShortcut* enterKey_ = nullptr;   // Return on the form: the default button
    QShortcut* keypadEnterKey_ = nullptr;
    QShortcut* escapeKey_ = nullptr;  // Escape on the form: the cancel button
    QShortcut* accessKey_ = nullptr;  // Alt with the access key: focus to the button

    // Properties.
    int appearance_ = 0;
    bool autoScroll_ = false;
    host::OleColor backColor_;
    int borderStyle_ = 0;
    int capAlignment_ = 0;
    int capIndex_ = 0;
    QString captions_;
    float designHeight_ = 0;
    float designWidth_ = 0;
    QImage disabledPicture_;
    QImage downPicture_;
    QImage upPicture_;
    QImage picture_;
    bool enabled_ = true;
    host::StdFont font_;
    host::OleColor foreColor_;
    bool hasFocus_ = false;
    float horizSpacing_ = 0;
    int lockSize_ = 0;
    QImage mouseIcon_;
    int mousePointer_ = 0;
    int picturePosition_ = 0;
    int shape_ = 0;
    bool showFocusRect_ = false;
    QString tagMore_;
    bool value_ = false;
    int vertSpacing_ = 0;

    // State besides the properties.
    QStringList captionList_;
    QString currentCaption_;
    QString accessKeys_;
    int visualState_ = 4;
    int lastPainted_ = 0;  // none yet
    bool isDefault_ = false;
    bool spaceDown_ = false;
    int lastButtons_ = 0;
    QPointer<QWidget> lastWindow_;
    double rememberedLeft_ = 0, rememberedTop_ = 0;
    host::OleColor surfaceBackColor_;  // BackColor, or the container's on a rounded face
    bool surfaceBorder_ = false;
    button::Placement up_;
    bool sizeCorrectionPending_ = false;
    bool focusRectShown_ = false;
    QImage shownPicture_;  // what the picture element shows

    // Re-entry guards:
    // - busy_: the button lays itself out or changes its own border; a
    //   resize it causes meanwhile is not laid out again from inside.
    // - painting_: a paint request is drawing; a request it causes (a
    //   picture shown, a border changed) draws nothing.
    bool busy_ = false;
    bool painting_ = false;

    // The surface the button draws on, kept between paints as the classic
    // persistent surface: faces are erased and drawn over what is there,
    // and the focus rectangle is inverted on it.
    QImage canvas_;
    draw::RecordingSurface* recorder_ = nullptr;

    // ButtonModel.cpp
    bool runMode() const;
    void refuseAtRunTime(const char* member) const;
    bool ignoredInHotSpot() const { return appearance_ == ORXCM_HotSpot; }
    void applySurfaceBackColor();
    void applyMousePointer();
    void setSurfaceBorder(bool on);
    void applyLookBorder();  // the design-time border of the frameless looks
    bool containerTakesHotSpot() const;
    host::OleColor containerBackColor() const;
    static QImage pictureOrNone(const QImage& picture);

    // ButtonProperties.cpp: the one table of persisted properties and the
    // orders of a new control's defaults, the bag read and the bag write.
    static const PropertyTable<ORXCommandButton>& properties();
    void applyNewControlDefaults();
    void readBag(const host::PropertyBag& bag);
    void writeBag(host::PropertyBag& bag);

    // ButtonPresets.cpp
    void readPresets();
    void savePresets();
    void resetPresets();

    // ButtonCaptions.cpp
    void splitCaptionList();
    void showCurrentCaption();

    // ButtonPaint.cpp
    void layOut();
    void redraw() { layOut(); }
    void paintRequest(bool forced);
    void drawFace(draw::Surface& surface, button::Face face, bool inBackColor);
    void eraseFace(draw::Surface& surface, button::Face face);
    void drawCaption(draw::Surface& surface, const button::Placement& at);
    void showPictureForState();
    void showPicture(const QImage& picture);
    void syncFocusRect(draw::Surface& surface);
    void syncFocusRect();
    void paintHotSpot(draw::Surface& surface);
    void applyDefaultBorder();
    void ensureCanvas();
    button::FaceFrame faceFrame() const;
    template <class F>
    void withSurface(F&& paint);

    // ButtonInput.cpp
    void setUpKeys();
    void updateKeys();
    void onHoverTick();
    void setVisualState(int state);
    void spaceKeyDown(int shift);
    void spaceKeyUp(int shift);
    void accessKeyPress(int character);
    void clickFromAssistant();
    bool pointerOverButton(const QPoint& globalPos) const;
    void raiseMouse(int which, QMouseEvent* event);
};

}  // namespace orx::tools
