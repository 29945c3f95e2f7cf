#include "album/window/UnitGenHTML.h"

#include "album/AlbumEntry.h"
#include "album/AlbumRun.h"
#include "settings/SettingsFile.h"
#include "browse/window/SelectionList.h"
#include "browse/SelectionModel.h"
#include "imaging/JPEGImage.h"
#include "text/AllTools.h"
#include "toolkit/window/Activation.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Errors.h"
#include "toolkit/window/StatusProgress.h"

#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

#include <memory>

TfrmGenHTML* frmGenHTML = nullptr;
std::int32_t AlbumSortColumn = 0;
TAllTools AlbumTools;

namespace {

QString Decode(const std::string& text)
{
    return QFile::decodeName(text.c_str());
}

std::string Encode(const QString& text)
{
    return QFile::encodeName(text).toStdString();
}

QFont Font(const char* family, int pixels)
{
    QFont font(QString::fromUtf8(family));
    font.setPixelSize(pixels);
    return font;
}

template <class Control>
Control* Place(Control* control, const char* name, QRect geometry, const QFont& font)
{
    control->setObjectName(name);
    control->setGeometry(geometry);
    control->setFont(font);
    return control;
}

} // namespace

TfrmGenHTML::TfrmGenHTML(const TSettings& settings, QWidget* parent)
    : TForm("frmGenHTML", "Generate HTML", parent), settings_(settings)
{
    // A close box only: the window is neither minimised nor maximised.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(Font("MS Sans Serif", 11));
    const QFont controls = Font("MS Sans Serif", 16);
    cmbItem = Place(new QComboBox(this), "cmbItem", {3, 5, 129, 28}, controls);
    cmbItem->setEditable(true);
    cmdGetFile = Place(new QPushButton("&GetFile", this), "cmdGetFile", {137, 3, 100, 30}, controls);
    txtPath = Place(new QLineEdit(this), "txtPath", {244, 3, 327, 30}, Font("新細明體", 16));
    cmdMake = Place(new QPushButton("&Make", this), "cmdMake", {580, 2, 100, 30}, controls);
    ListView1 = Place(new TSelectionList(albumRows_, this), "ListView1", {3, 37, 679, 492}, controls);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    statusPanel_ = new QLabel(StatusBar1);
    statusPanel_->setFixedWidth(300);
    StatusBar1->addWidget(statusPanel_);

    Connect(cmdGetFile, &QPushButton::clicked, this, &TfrmGenHTML::cmdGetFileClick);
    Connect(cmdMake, &QPushButton::clicked, this, &TfrmGenHTML::cmdMakeClick);
    connect(ListView1->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { Guarded([&] { ListView1ColumnClick(column); }); });
    // Emptied when shown or come back to from another window, not after its own dialog.
    new TActivation(this, [this] { FormActivate(); });

    move(200, 136);
    resize(692, 582);
    PlaceStatusBar();
    FormCreate();
}

void TfrmGenHTML::FormCreate()
{
    cmbItem->addItems({"Hasselblad", "Leica", "Nikon", "Rollei", "Agfa"});
    cmbItem->setCurrentIndex(-1);
    ListView1->SetUpReportView();
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->AddColumn("File Path", 300, Qt::AlignLeft);
    ListView1->AddColumn("File Name", 200, Qt::AlignLeft);
    ListView1->AddColumn("Extention", 100, Qt::AlignLeft);
    // Read once: a folder changed in the options reaches the dialog at the next start.
    openFolder_ = settings_.HtmlGetFilePath;
}

std::vector<TAlbumEntry> TfrmGenHTML::Entries() const
{
    std::vector<TAlbumEntry> entries;
    for (const TSelectionRow& row : ListView1->Model().Rows())
        entries.push_back({row.path, row.name, row.byte});
    return entries;
}

std::string TfrmGenHTML::StatusText() const
{
    return Encode(statusPanel_->text());
}

void TfrmGenHTML::FormActivate()
{
    ListView1->Model().Clear();
    txtPath->clear();
}

void TfrmGenHTML::cmdGetFileClick()
{
    const std::vector<std::string> files = Dialogs().OpenFiles(
        {"Select File", "JPG(*.jpg)|*.jpg|BMP(*.bmp)|*.bmp|All File(*.*)|*.*", openFolder_, true});
    if (files.empty())
        return;
    for (const std::string& path : files) {
        const TPickedFile picked = SplitPickedFile(AlbumTools, path);
        txtPath->setText(Decode(picked.entry.Folder));
        if (!picked.skipped)
            ListView1->Model().Append({picked.entry.Folder, picked.entry.BaseName, picked.entry.Extension});
    }
    statusPanel_->setText(Decode(GetCountText(ListView1->Model().Count())));
}

void TfrmGenHTML::ListView1ColumnClick(int column)
{
    AlbumSortColumn = column;
    ListView1->Model().SortBy(AlbumSortColumn);
}

void TfrmGenHTML::cmdMakeClick()
{
    const TAlbumInputs inputs{Entries(),
                              Encode(txtPath->text()),
                              Encode(cmbItem->currentText()),
                              {settings_.HtmlThumbMode, settings_.HtmlThumbPixelsWidth, settings_.HtmlThumbPixelsHeight,
                               settings_.HtmlThumbPercentWidth, settings_.HtmlThumbPercentHeight},
                              JPEGDefaults()};
    // While the thumbnails are made nothing may change the list or start another run.
    const auto allowInput = [this](bool enabled) {
        for (QWidget* w : std::initializer_list<QWidget*>{cmdGetFile, cmdMake, ListView1})
            w->setEnabled(enabled);
    };
    allowInput(false);
    album_.Start(
        inputs,
        [this](int total) {
            auto shown = std::make_shared<TStatusProgress>(StatusBar1, total, "Thumbnails made");
            if (auto* bar = StatusBar1->findChild<QProgressBar*>()) {
                bar->setObjectName("ThumbProgress");
                bar->setFixedHeight(25);
            }
            return [shown](int done, int all) { shown->Report(done, all); };
        },
        [allowInput] { allowInput(true); });
}

void TfrmGenHTML::EndJobs()
{
    album_.Stop();
}

void TfrmGenHTML::keyPressEvent(QKeyEvent* event)
{
    // Esc stops a run at the thumbnail it has reached.
    if (event->key() == Qt::Key_Escape && album_.Running())
        Guarded([this] { album_.Cancel(); });
    else
        TForm::keyPressEvent(event);
}

void TfrmGenHTML::PlaceStatusBar()
{
    StatusBar1->setGeometry(0, height() - 25, width(), 25);
}

void TfrmGenHTML::resizeEvent(QResizeEvent* event)
{
    TForm::resizeEvent(event);
    PlaceStatusBar();
}
