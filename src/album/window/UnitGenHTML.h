#pragma once
// The HTML album window: gathers pictures into its list, holds the album's title and
// output prefix, and makes the album when Make is pressed. The work is done by
// AlbumEntry (picking), AlbumRun and AlbumPages; the window turns events into calls.

#include "album/AlbumRun.h"
#include "browse/SelectionModel.h"
#include "toolkit/window/Form.h"

#include <cstdint>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class TSelectionList;
struct TSettings;
struct TAlbumEntry;

class TfrmGenHTML : public TForm {
public:
    // Reads settings while it is made and when Make is pressed.
    explicit TfrmGenHTML(const TSettings& settings, QWidget* parent = nullptr);

    QComboBox* cmbItem = nullptr;
    QPushButton* cmdGetFile = nullptr;
    QLineEdit* txtPath = nullptr;
    QPushButton* cmdMake = nullptr;
    TSelectionList* ListView1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;

    // The album list, top to bottom, and the status panel's text.
    std::vector<TAlbumEntry> Entries() const;
    std::string StatusText() const;

    void FormCreate();
    void FormActivate();
    void cmdGetFileClick();
    void ListView1ColumnClick(int column);
    void cmdMakeClick();
    // An album is being made: its thumbnails are still on their way.
    bool Making() const { return album_.Running(); }
    void EndJobs() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Along the bottom edge, full width, 25 high.
    void PlaceStatusBar();

    const TSettings& settings_;
    // The album list's rows: the album's own, not the selection list's.
    TSelectionModel albumRows_;
    TAlbumRun album_;
    QLabel* statusPanel_ = nullptr;
    std::string openFolder_;  // the open dialog's start, fixed when the window is made
};

extern TfrmGenHTML* frmGenHTML;

// The column the album list was last sorted by: 0 File Path, 1 File Name, 2 Extention.
extern std::int32_t AlbumSortColumn;

class TAllTools;
// The album window unit's own text tools.
extern TAllTools AlbumTools;
