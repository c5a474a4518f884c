#pragma once

#include "tools/common/ToolsExport.h"

#include "platform/host/OleColor.h"
#include "platform/host/StdFont.h"
#include "platform/host/UserControl.h"

#include <QImage>
#include <QString>

#include <memory>

class QLabel;
class QTimer;

namespace orx::draw {
class RecordingSurface;
}

namespace orx::tools {

template <class Owner>
class PropertyTable;

// The command button: five looks (flat, 3D, a transparent hot spot, two
// latching switches), a square or rounded face, pictures per visual state
// and a list of captions the program can step through. The class is split
// by concern:
//   ButtonModel.cpp       creation, plain properties, the host lifecycle
//   ButtonProperties.cpp  the property table and its orders
//   ButtonPresets.cpp     ORX_ComBtn.INI
//   ButtonCaptions.cpp    Captions, CapIndex, Caption(Index), the access key
//   ButtonPaint.cpp       layout, the paint request, pictures, focus rectangle
//   ButtonInput.cpp       mouse, hover timer, keys, focus, default and cancel
//   ButtonAccessible.cpp  what assistive technology is told
// The rules themselves are plain functions in CaptionList.h, ButtonLayout.h,
// ButtonFaces.h and LookStates.h.
class ORX_TOOLS_EXPORT ORXCommandButton : public host::UserControl {
    Q_OBJECT

public:
    enum ORXCM_Appearance_Constants {
        ORXCM_Flat = 0,
        ORXCM_3D = 1,
        ORXCM_HotSpot = 2,
        ORXCM_Switch_Flat = 3,
        ORXCM_Switch_3D = 4
    };
    Q_ENUM(ORXCM_Appearance_Constants)
    enum ORXCM_Shape_Constants { ORXCM_Square = 0, ORXCM_Rounded = 1 };
    Q_ENUM(ORXCM_Shape_Constants)
    enum ORXCM_BorderStyle_Constants { ORXCM_No_Border = 0, ORXCM_Fixed_Single = 1 };
    Q_ENUM(ORXCM_BorderStyle_Constants)
    enum ORXCM_CaptAlign_Constants { ORXCM_Left_CaptAlign = 0, ORXCM_Right_CaptAlign = 1, ORXCM_Center_CaptAlign = 2 };
    Q_ENUM(ORXCM_CaptAlign_Constants)
    enum ORXCM_PicturePosition_Constants {
        ORXCM_Top_Picture = 0,
        ORXCM_Right_Picture = 1,
        ORXCM_Bottom_Picture = 2,
        ORXCM_Left_Picture = 3
    };
    Q_ENUM(ORXCM_PicturePosition_Constants)
    enum ORXCM_LockSize_Constants { ORXCM_No_Locked = 0, ORXCM_Height_Locked = 1, ORXCM_Width_Locked = 2, ORXCM_Both_Locked = 3 };
    Q_ENUM(ORXCM_LockSize_Constants)

    // Properties in interface order.
    Q_PROPERTY(ORXCM_Appearance_Constants Appearance READ Appearance WRITE setAppearance)
    Q_PROPERTY(bool AutoScroll READ AutoScroll WRITE setAutoScroll)
    Q_PROPERTY(orx::host::OleColor BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(ORXCM_BorderStyle_Constants BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool Cancel READ Cancel WRITE setCancel)
    Q_PROPERTY(int CapCount READ CapCount WRITE setCapCount DESIGNABLE false)
    Q_PROPERTY(ORXCM_CaptAlign_Constants CapAlignment READ CapAlignment WRITE setCapAlignment)
    Q_PROPERTY(int CapIndex READ CapIndex WRITE setCapIndex)
    Q_PROPERTY(QString Captions READ Captions WRITE setCaptions)
    Q_PROPERTY(bool Default READ Default WRITE setDefault)
    Q_PROPERTY(float DesignHeight READ DesignHeight WRITE setDesignHeight)
    Q_PROPERTY(float DesignWidth READ DesignWidth WRITE setDesignWidth)
    Q_PROPERTY(QImage DisabledPicture READ DisabledPicture WRITE setDisabledPicture)
    Q_PROPERTY(QImage DownPicture READ DownPicture WRITE setDownPicture)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledState)
    Q_PROPERTY(orx::host::StdFont Font READ Font WRITE setFontValue)
    Q_PROPERTY(orx::host::OleColor ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(bool HasFocus READ HasFocus WRITE setHasFocus DESIGNABLE false)
    Q_PROPERTY(float HorizSpacing READ HorizSpacing WRITE setHorizSpacing)
    Q_PROPERTY(int hdc READ hdc)
    Q_PROPERTY(int hwnd READ hwnd)
    Q_PROPERTY(ORXCM_LockSize_Constants LockSize READ LockSize WRITE setLockSize)
    Q_PROPERTY(QImage MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    Q_PROPERTY(ORXCM_PicturePosition_Constants PicturePosition READ PicturePosition WRITE setPicturePosition)
    Q_PROPERTY(bool ResetSettings READ ResetSettings WRITE setResetSettings)
    Q_PROPERTY(bool SaveSettings READ SaveSettings WRITE setSaveSettings)
    Q_PROPERTY(ORXCM_Shape_Constants Shape READ Shape WRITE setShape)
    Q_PROPERTY(bool ShowFocusRect READ ShowFocusRect WRITE setShowFocusRect)
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)
    Q_PROPERTY(QString Tag READ Tag WRITE setTag)
    Q_PROPERTY(QString TagMore READ TagMore WRITE setTagMore)
    Q_PROPERTY(QString ToolTipText READ ToolTipText WRITE setToolTipText)
    Q_PROPERTY(QImage UpPicture READ UpPicture WRITE setUpPicture)
    Q_PROPERTY(bool Value READ Value WRITE setValue)
    Q_PROPERTY(QString VersionName READ VersionName)
    Q_PROPERTY(QString VersionNumber READ VersionNumber)
    Q_PROPERTY(int VertSpacing READ VertSpacing WRITE setVertSpacing)

    explicit ORXCommandButton(QWidget* parent = nullptr);
    ~ORXCommandButton() override;

    ORXCM_Appearance_Constants Appearance() const; void setAppearance(ORXCM_Appearance_Constants value);
    bool AutoScroll() const; void setAutoScroll(bool on);
    host::OleColor BackColor() const; void setBackColor(host::OleColor colour);
    ORXCM_BorderStyle_Constants BorderStyle() const; void setBorderStyle(ORXCM_BorderStyle_Constants value);
    bool Cancel() const; void setCancel(bool on);
    int CapCount() const; void setCapCount(int ignored);
    ORXCM_CaptAlign_Constants CapAlignment() const; void setCapAlignment(ORXCM_CaptAlign_Constants value);
    int CapIndex() const; void setCapIndex(int index);                                   // ButtonCaptions.cpp
    Q_INVOKABLE QString Caption(int Index) const;                                        // ButtonCaptions.cpp
    Q_INVOKABLE void Caption(int Index, const QString& text);  // ButtonCaptions.cpp: the indexed put
    QString Captions() const; void setCaptions(const QString& text);                     // ButtonCaptions.cpp
    bool Default() const; void setDefault(bool on);
    float DesignHeight() const; void setDesignHeight(float twips);
    float DesignWidth() const; void setDesignWidth(float twips);
    QImage DisabledPicture() const; void setDisabledPicture(const QImage& picture);
    QImage DownPicture() const; void setDownPicture(const QImage& picture);
    bool Enabled() const; void setEnabledState(bool on);
    host::StdFont Font() const; void setFontValue(const host::StdFont& font);
    host::OleColor ForeColor() const; void setForeColor(host::OleColor colour);
    bool HasFocus() const; void setHasFocus(bool ignored);
    float HorizSpacing() const; void setHorizSpacing(float twips);
    int hdc() const;
    int hwnd() const;
    ORXCM_LockSize_Constants LockSize() const; void setLockSize(ORXCM_LockSize_Constants value);
    QImage MouseIcon() const; void setMouseIcon(const QImage& picture);
    int MousePointer() const; void setMousePointer(int pointer);
    QImage Picture() const; void setPicture(const QImage& picture);
    ORXCM_PicturePosition_Constants PicturePosition() const; void setPicturePosition(ORXCM_PicturePosition_Constants value);
    bool ResetSettings() const; void setResetSettings(bool any);                         // ButtonPresets.cpp
    bool SaveSettings() const; void setSaveSettings(bool any);                           // ButtonPresets.cpp
    ORXCM_Shape_Constants Shape() const; void setShape(ORXCM_Shape_Constants value);
    bool ShowFocusRect() const; void setShowFocusRect(bool on);
    bool TabStop() const; void setTabStop(bool on);
    QString Tag() const; void setTag(const QString& tag);
    QString TagMore() const; void setTagMore(const QString& text);
    QString ToolTipText() const; void setToolTipText(const QString& text);
    QImage UpPicture() const; void setUpPicture(const QImage& picture);
    bool Value() const; void setValue(bool on);
    QString VersionName() const;
    QString VersionNumber() const;
    int VertSpacing() const; void setVertSpacing(int twips);

    Q_INVOKABLE void ResetDesignSize();
    Q_INVOKABLE void ShowAboutBox();
    // Design time: whether the property table takes a value for a key (the
    // range of its kind and its range rule); the property pages ask before writing.
    bool acceptsPropertyValue(const QString& key, const QVariant& value) const;

    // Host lifecycle.
    void InitProperties() override;
    void ReadProperties(host::PropertyBag& bag) override;
    void WriteProperties(host::PropertyBag& bag) override;
    void AmbientChanged(const QString& name) override;
    void Resize() override;
    void Shown() override;
    void EnterFocus() override;                                                          // ButtonInput.cpp
    void ExitFocus() override;                                                           // ButtonInput.cpp
    void tabStopChanged(bool on) override;

    // The constituent parts and the state the looks are drawn from, for the
    // container's tools and for tests.
    QLabel* IMG_Button() const;
    QTimer* TM_Mouse() const;
    int visualState() const;        // 1 pressed, 2 lit, 3 pressed outside, 4 normal
    int lastPaintedState() const;
    QString accessKeys() const;     // the surface's access keys ("" or one character)
    QString currentCaption() const;
    bool surfaceBorder() const;     // the single-line border of the surface
    // The caption rectangle and picture position of the up look, in twips.
    QRect captionRectUp() const;
    QPoint picturePositionUp() const;
    // While set, every drawing call is also recorded there (the recorder
    // forwards it to the button's own surface). Null stops recording.
    void recordDrawing(draw::RecordingSurface* recorder);
    // What the surface shows now (without the picture element above it).
    QImage surfaceImage() const;

Q_SIGNALS:
    // Events 1 to 9, in their order.
    void Click();
    void MouseDown(int& Button, int& Shift, float& X, float& Y);
    void MouseMove(int& Button, int& Shift, float& X, float& Y);
    void MouseUp(int& Button, int& Shift, float& X, float& Y);
    void KeyDown(int& KeyCode, int& Shift);
    void KeyPress(int& KeyAscii);
    void KeyUp(int& KeyCode, int& Shift);
    void KeyEnterPressed();
    void ScrollCaptions();

protected:
    void paintEvent(QPaintEvent* event) override;          // ButtonPaint.cpp
    void mousePressEvent(QMouseEvent* event) override;     // ButtonInput.cpp
    void mouseMoveEvent(QMouseEvent* event) override;      // ButtonInput.cpp
    void mouseReleaseEvent(QMouseEvent* event) override;   // ButtonInput.cpp
    void keyPressEvent(QKeyEvent* event) override;         // ButtonInput.cpp
    void keyReleaseEvent(QKeyEvent* event) override;       // ButtonInput.cpp

private:
    class Private;
    friend class Private;
    friend class ButtonAccessible;
    std::unique_ptr<Private> d;
};

}  // namespace orx::tools
