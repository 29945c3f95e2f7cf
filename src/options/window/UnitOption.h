#pragma once
// The options dialog: every setting of MainState and the three colours, filled from the
// live state at each opening and applied and saved only by Save.

#include "toolkit/Color.h"
#include "toolkit/window/Form.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TColorPanel;
class TOptionsTarget;
class TSharedSettings;
struct TOptionValues;

class TfrmOption : public TForm {
public:
    // Shows and saves settings and target's colours; both outlive it.
    TfrmOption(TSharedSettings& settings, TOptionsTarget& target, QWidget* parent = nullptr);

    // "Thumb"
    QGroupBox* GroupThumb = nullptr;
    TColorPanel* PanelTbBackColor = nullptr;
    TColorPanel* PanelTbFontColor = nullptr;
    // "Picture"
    QGroupBox* GroupPicture = nullptr;
    TColorPanel* PanelPtBackColor = nullptr;
    // "Slide Show"
    QGroupBox* GroupSlideShow = nullptr;
    QCheckBox* chkShowTray = nullptr;
    QCheckBox* chkSlideShowPath = nullptr;
    QLineEdit* txtSlideDelayTime = nullptr;
    QLineEdit* txtImageTool = nullptr;
    QLineEdit* txtImageToolPath = nullptr;
    // "Generate HTML"
    QGroupBox* GroupGenerateHTML = nullptr;
    QLineEdit* txtGetFilePath = nullptr;
    // "Thumb for HTML Size"
    QGroupBox* GroupThumbHtmlSize = nullptr;
    QRadioButton* optHtmlPixels = nullptr;
    QLineEdit* txtTbHtmlY = nullptr;
    QLineEdit* txtTbHtmlX = nullptr;
    QRadioButton* optHtmlPercent = nullptr;
    QLineEdit* txtTbHtmlYp = nullptr;
    QLineEdit* txtTbHtmlXp = nullptr;

    QPushButton* cmdSave = nullptr;
    QPushButton* cmdExit = nullptr;

    // Handlers
    void FormActivate();
    void PanelTbBackColorClick();
    void PanelTbFontColorClick();
    void PanelPtBackColorClick();
    void cmdSaveClick();
    void cmdExitClick();

protected:
    // The dialog is modal, so the user comes back to it only from its own colour picker
    // and message boxes, which must not refill it: it is filled when it is shown.
    void showEvent(QShowEvent* event) override;

private:
    TSharedSettings& settings_;
    TOptionsTarget& target_;
    void CreateColorGroups();
    void CreateSlideShowGroup();
    void CreateHtmlGroups();
    void CreateButtons();
    void SetTabOrder();

    void PickPanelColor(TColorPanel* panel);
    void ShowValues(const TOptionValues& values);
    TOptionValues EditedValues() const;

    // The colour picker starts from the colour last chosen in it.
    TColor ColorDialog1Color = clBlack;
};

extern TfrmOption* frmOption;

class TAllTools;
// The options dialog unit's own text tools.
extern TAllTools OptionTools;
