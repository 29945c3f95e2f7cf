#pragma once
// The picture viewer window: one entry of the selection list at a time, zoomed, fitted,
// stepped through with Space and Backspace, and marked with the mouse.

#include "toolkit/Bitmap.h"
#include "toolkit/Color.h"
#include "toolkit/window/Form.h"
#include "viewer/DecodeAhead.h"
#include "viewer/FramePlayer.h"
#include "viewer/ViewerZoom.h"

#include <QPoint>

#include <cstdint>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QScrollArea;
class QToolButton;
class TPictureSet;
class TSharedSettings;
class TViewerImage;

class TfrmShow : public TForm {
public:
    // Shows and steps through pictures, opens centred on mainWindow; all three outlive it.
    TfrmShow(TPictureSet& pictures, const TSharedSettings& settings, const QWidget& mainWindow,
             QWidget* parent = nullptr);

    QWidget* ToolBar1 = nullptr;
    QToolButton* sbtInfo = nullptr;
    QToolButton* sbtZoomIn = nullptr;
    QToolButton* sbtZoomOut = nullptr;
    QToolButton* sbtZoomOriginal = nullptr;
    QToolButton* sbtZoomFix = nullptr;
    QToolButton* sbtZoomStretch = nullptr;
    QComboBox* cmbZoom = nullptr;
    QToolButton* sbtLast = nullptr;
    QToolButton* sbtNext = nullptr;
    QCheckBox* chkLock = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    TViewerImage* Image1 = nullptr;
    QWidget* PaintBox1 = nullptr;
    QWidget* StatusBar1 = nullptr;

    std::int32_t PictureWidth = 0;
    std::int32_t PictureHeight = 0;
    std::int32_t ZoomIndex = 4;
    std::int32_t FitMode = 1;
    TBitmap CleanPicture;
    bool Unmarked = true;
    QPoint MarkStart;
    QPoint MarkEnd;

    // The colour behind the picture.
    void SetBackdrop(TColor color);
    // The text of status panel 0 or 1.
    QString PanelText(int panel) const;

    void FormActivate();
    // The key map (ViewerKeys.h), for a Qt key and its modifiers; the key is not consumed.
    void FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void sbtInfoClick();
    void cmbZoomClick();
    void PaintBox1MouseDown(QPoint at);
    void PaintBox1MouseUp(QPoint at);

    // Shows the entry's place at once and its picture when its copy lands.
    void ShowPicture(const std::string& path, int position, int total);
    // A picture asked for, or a neighbour, is still being read.
    bool Decoding() const { return !ahead_.Idle(); }
    void CenterPicture();
    void SyncOverlay();
    void ShowNext();
    void ShowLast();
    void ZoomIn();
    void ZoomOut();
    void ZoomOriginal();
    void ZoomFix();
    void ZoomStretch();

    // Centred on the main window whenever it opens.
    void setVisible(bool visible) override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateToolBar();
    void CreateArea();
    void CreateStatusBar();
    QToolButton* AddButton(const char* name, const char* hint, void (TfrmShow::*handler)());
    // The picture area with no scroll bars, and the room it leaves a picture that
    // reaches extent from its top left once the bars that picture needs are shown.
    QSize FullArea() const;
    QSize Room(QSize extent) const;
    // Applies a Zoom In or Zoom Out step; nothing when there is none.
    void ApplyZoomStep(const std::optional<TZoomStep>& step);
    // Sets the picture's bounds and lets the area scroll over all of it.
    void PlacePicture(const QRect& bounds);
    // Shows the scroll bars the picture's bounds need, and only those.
    void ShowScrollBars();
    // Shows the picture set's current entry and its place in the set.
    void ShowCurrent();
    // The set relocated the entry shown among new rows: panel 1 shows its place anew,
    // the picture stays.
    void ShowPlace();
    // The copy of path asked for has landed: shown, or the message when it could not be made.
    void ShowCopy(const std::string& path, const TDisplayCopy& copy);
    // Starts decoding the neighbours of the current entry, next first.
    void DecodeNeighboursAhead();
    void ShowFrame(const QImage& frame);
    TPictureSet& pictures_;
    const QWidget& mainWindow_;
    QLabel* panels_[2] = {};
    // The next and the previous entry, decoded ahead.
    TDecodeAhead ahead_{2, kDecodeAheadBytes};
    std::string shownPath_;  // the file of the picture shown, to read again if it was let go
    QString shownPlace_;     // its place in the list, as panel 1 showed it
    bool letGo_ = false;     // it was let go for a picture that has not landed yet
    // A moving picture's frames, each in turn the clean copy shown.
    TFramePlayer frames_{[this](const QImage& frame) { ShowFrame(frame); }};
};

extern TfrmShow* frmShow;
