#include "options/window/UnitOption.h"

#include "options/window/ColorPanel.h"
#include "options/OptionValues.h"
#include "settings/SharedSettings.h"
#include "text/AllTools.h"
#include "toolkit/window/ControlColor.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Errors.h"

#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmOption* frmOption = nullptr;
TAllTools OptionTools;

namespace {

constexpr int kClientWidth = 707;
constexpr int kClientHeight = 400;
constexpr int kDelayWidth = 65;
constexpr int kSizeWidth = 70;

QGroupBox* Group(const char* name, const char* caption, QWidget* parent)
{
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    return group;
}

// An edit in a row of a group's grid: its label before it, which screen readers take as
// its name, and its unit after it. An edit without a width fills the rest of the row.
QLineEdit* AddEdit(QGridLayout* grid, int row, const char* name, const char* label, int width = 0,
                   const char* unit = nullptr)
{
    QWidget* group = grid->parentWidget();
    auto* caption = new QLabel(label, group);
    auto* edit = new QLineEdit(group);
    edit->setObjectName(name);
    edit->setAccessibleName(label);
    caption->setBuddy(edit);
    grid->addWidget(caption, row, 0);
    if (width > 0) {
        edit->setFixedWidth(width);
        grid->addWidget(edit, row, 1);
    } else {
        grid->addWidget(edit, row, 1, 1, 2);
    }
    if (unit) {
        edit->setAccessibleDescription(unit);
        grid->addWidget(new QLabel(unit, group), row, 2);
    }
    return edit;
}

template <class Button>
Button* AddButton(QGridLayout* grid, int row, const char* name, const char* caption)
{
    auto* button = new Button(caption, grid->parentWidget());
    button->setObjectName(name);
    grid->addWidget(button, row, 0, 1, 3);
    return button;
}

QString Shown(const std::string& text)
{
    return QFile::decodeName(text.c_str());
}

std::string Typed(const QLineEdit* edit)
{
    return QFile::encodeName(edit->text()).toStdString();
}

} // namespace

TfrmOption::TfrmOption(TSharedSettings& settings, TOptionsTarget& target, QWidget* parent)
    : TForm("frmOption", "Lumora Option", parent), settings_(settings), target_(target)
{
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QFont font("MS Sans Serif");
    font.setPixelSize(16);
    setFont(font);
    setFixedSize(kClientWidth, kClientHeight);

    CreateColorGroups();
    CreateSlideShowGroup();
    CreateHtmlGroups();
    CreateButtons();

    auto* colors = new QHBoxLayout;
    colors->addWidget(GroupThumb);
    colors->addWidget(GroupPicture);
    auto* left = new QVBoxLayout;
    left->addLayout(colors);
    left->addWidget(GroupSlideShow);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(GroupGenerateHTML);
    right->addWidget(GroupThumbHtmlSize);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addSpacing(40);
    buttons->addWidget(cmdExit);
    buttons->addStretch(1);
    auto* client = new QVBoxLayout(this);
    client->addLayout(columns, 1);
    client->addLayout(buttons);
    SetTabOrder();
}

void TfrmOption::CreateColorGroups()
{
    GroupThumb = Group("GroupThumb", "Thumb", this);
    PanelTbBackColor = new TColorPanel("PanelTbBackColor", "Back Color", GroupThumb);
    PanelTbFontColor = new TColorPanel("PanelTbFontColor", "Font Color", GroupThumb);
    auto* thumb = new QVBoxLayout(GroupThumb);
    thumb->addWidget(PanelTbBackColor);
    thumb->addWidget(PanelTbFontColor);

    GroupPicture = Group("GroupPicture", "Picture", this);
    PanelPtBackColor = new TColorPanel("PanelPtBackColor", "Back Color", GroupPicture);
    auto* picture = new QVBoxLayout(GroupPicture);
    picture->addWidget(PanelPtBackColor);
    picture->addStretch(1);

    Connect(PanelTbBackColor, &QAbstractButton::clicked, this, &TfrmOption::PanelTbBackColorClick);
    Connect(PanelTbFontColor, &QAbstractButton::clicked, this, &TfrmOption::PanelTbFontColorClick);
    Connect(PanelPtBackColor, &QAbstractButton::clicked, this, &TfrmOption::PanelPtBackColorClick);
}

void TfrmOption::CreateSlideShowGroup()
{
    GroupSlideShow = Group("GroupSlideShow", "Slide Show", this);
    auto* grid = new QGridLayout(GroupSlideShow);
    chkShowTray = AddButton<QCheckBox>(grid, 0, "chkShowTray", "Show System Tray Icon ");
    chkSlideShowPath = AddButton<QCheckBox>(grid, 1, "chkSlideShowPath", "Slide Show Display Image Path");
    txtSlideDelayTime = AddEdit(grid, 2, "txtSlideDelayTime", "Slide Show Dealy  Time :", kDelayWidth, "Second");
    txtImageTool = AddEdit(grid, 3, "txtImageTool", "Image Tool :");
    txtImageToolPath = AddEdit(grid, 4, "txtImageToolPath", "Image Tool Path :");
    grid->setColumnStretch(2, 1);
}

void TfrmOption::CreateHtmlGroups()
{
    GroupGenerateHTML = Group("GroupGenerateHTML", "Generate HTML", this);
    auto* html = new QGridLayout(GroupGenerateHTML);
    txtGetFilePath = AddEdit(html, 0, "txtGetFilePath", "Get File Path :");
    html->setColumnStretch(2, 1);

    // Both radio buttons sit in this group, so exactly one of them is checked.
    GroupThumbHtmlSize = Group("GroupThumbHtmlSize", "Thumb for HTML Size", this);
    auto* size = new QGridLayout(GroupThumbHtmlSize);
    optHtmlPixels = AddButton<QRadioButton>(size, 0, "optHtmlPixels", "By Pixels");
    txtTbHtmlY = AddEdit(size, 1, "txtTbHtmlY", "Height :", kSizeWidth, "Pixels");
    txtTbHtmlX = AddEdit(size, 2, "txtTbHtmlX", "Width :", kSizeWidth, "Pixels");
    optHtmlPercent = AddButton<QRadioButton>(size, 3, "optHtmlPercent", "By Percentage");
    txtTbHtmlYp = AddEdit(size, 4, "txtTbHtmlYp", "Height :", kSizeWidth, "%");
    txtTbHtmlXp = AddEdit(size, 5, "txtTbHtmlXp", "Width :", kSizeWidth, "%");
    size->setColumnStretch(2, 1);
    optHtmlPercent->setChecked(true);
}

void TfrmOption::CreateButtons()
{
    cmdSave = new QPushButton("&Save", this);
    cmdSave->setObjectName("cmdSave");
    // Enter saves, as it confirms any dialog.
    cmdSave->setDefault(true);
    cmdExit = new QPushButton("&Exit", this);
    cmdExit->setObjectName("cmdExit");
    Connect(cmdSave, &QPushButton::clicked, this, &TfrmOption::cmdSaveClick);
    Connect(cmdExit, &QPushButton::clicked, this, &TfrmOption::cmdExitClick);
}

void TfrmOption::SetTabOrder()
{
    QWidget* const order[] = {PanelTbBackColor, PanelTbFontColor, PanelPtBackColor, chkShowTray,
                              chkSlideShowPath, txtSlideDelayTime, txtImageTool,     txtImageToolPath,
                              txtGetFilePath,   optHtmlPixels,     txtTbHtmlY,       txtTbHtmlX,
                              optHtmlPercent,   txtTbHtmlYp,       txtTbHtmlXp,      cmdSave,
                              cmdExit};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TfrmOption::showEvent(QShowEvent* event)
{
    TForm::showEvent(event);
    // A spontaneous show is the window system restoring the window, not an opening.
    if (!event->spontaneous())
        Guarded([this] { FormActivate(); });
}

void TfrmOption::FormActivate()
{
    const TOptionsTarget::TBrowseColors colors = target_.BrowseColors();
    ShowValues(OptionValuesOf(settings_, colors.back, colors.font));
}

void TfrmOption::ShowValues(const TOptionValues& v)
{
    PanelTbBackColor->SetColor(v.BrowseColor);
    PanelTbFontColor->SetColor(v.BrowseFontColor);
    PanelPtBackColor->SetColor(v.ViewerBackdrop);
    txtImageTool->setText(Shown(v.ImageTool));
    txtImageToolPath->setText(Shown(v.ImageToolPath));
    txtSlideDelayTime->setText(Shown(v.SlideDelay));
    chkShowTray->setChecked(v.ShowTray);
    chkSlideShowPath->setChecked(v.SlideShowPath);
    txtGetFilePath->setText(Shown(v.HtmlGetFilePath));
    txtTbHtmlX->setText(Shown(v.PixelsWidth));
    txtTbHtmlY->setText(Shown(v.PixelsHeight));
    (v.ByPixels ? optHtmlPixels : optHtmlPercent)->setChecked(true);
    txtTbHtmlXp->setText(Shown(v.PercentWidth));
    txtTbHtmlYp->setText(Shown(v.PercentHeight));
}

TOptionValues TfrmOption::EditedValues() const
{
    TOptionValues v;
    v.BrowseColor = PanelTbBackColor->Color();
    v.BrowseFontColor = PanelTbFontColor->Color();
    v.ViewerBackdrop = PanelPtBackColor->Color();
    v.ImageTool = Typed(txtImageTool);
    v.ImageToolPath = Typed(txtImageToolPath);
    v.SlideDelay = Typed(txtSlideDelayTime);
    v.ShowTray = chkShowTray->isChecked();
    v.SlideShowPath = chkSlideShowPath->isChecked();
    v.HtmlGetFilePath = Typed(txtGetFilePath);
    v.ByPixels = optHtmlPixels->isChecked();
    v.PixelsWidth = Typed(txtTbHtmlX);
    v.PixelsHeight = Typed(txtTbHtmlY);
    v.PercentWidth = Typed(txtTbHtmlXp);
    v.PercentHeight = Typed(txtTbHtmlYp);
    return v;
}

void TfrmOption::PickPanelColor(TColorPanel* panel)
{
    // Nothing outside the dialog changes before Save.
    const std::optional<TColor> chosen = Dialogs().PickColor(ColorDialog1Color);
    if (!chosen)
        return;
    ColorDialog1Color = *chosen;
    panel->SetColor(*chosen);
}

void TfrmOption::PanelTbBackColorClick()
{
    PickPanelColor(PanelTbBackColor);
}

void TfrmOption::PanelTbFontColorClick()
{
    PickPanelColor(PanelTbFontColor);
}

void TfrmOption::PanelPtBackColorClick()
{
    PickPanelColor(PanelPtBackColor);
}

void TfrmOption::cmdSaveClick()
{
    const TOptionValues v = EditedValues();
    ApplyOptionValues(v, settings_);
    settings_.Applied();
    target_.ApplyOptions(v);
    accept();
}

void TfrmOption::cmdExitClick()
{
    reject();
}
