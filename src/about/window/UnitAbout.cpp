#include "about/window/UnitAbout.h"

#include "app/Artwork.h"
#include "toolkit/Errors.h"
#include "toolkit/OpenUrl.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmAbout* frmAbout = nullptr;
const char* const kProjectMail = "mailto:lumora@lumora.example";

namespace {

const char* const kCredits[] = {
    "Lumora picture browser",
    "Browse, view, show and publish your pictures.",
    "",
    "Folders, a selection list and a board of thumbnails;",
    "a zooming viewer and a timed slide show;",
    "HTML albums with pages of thumbnails.",
    "",
    "Made with Qt 6 and libjpeg-turbo.",
    "Based in part on the work of the Independent JPEG Group.",
};

QLabel* Picture(const char* name, const QPixmap& pixmap, const char* hint, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(pixmap);
    label->setToolTip(hint);
    // A picture has no caption of its own for screen readers.
    label->setAccessibleName(hint);
    return label;
}

} // namespace

TfrmAbout::TfrmAbout(const QWidget& mainWindow, QWidget* parent)
    : TForm("frmAbout", "About Lumora", parent), mainWindow_(mainWindow)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    // Without a frame of its own the box draws its edge.
    auto* edge = new QFrame(this);
    edge->setFrameStyle(QFrame::Box | QFrame::Raised);
    edge->setLineWidth(2);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(edge);

    Image1 = Picture("Image1", AboutPhoto(), "Lumora", edge);
    Image2 = Picture("Image2", AboutFan(), "Pictures", edge);
    ListBox1 = new QListWidget(edge);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setAccessibleName("Credits");
    ListBox1->setSelectionMode(QAbstractItemView::NoSelection);
    for (const char* line : kCredits)
        ListBox1->addItem(line);
    cmdMail = new QPushButton("&Write to Lumora", edge);
    cmdMail->setObjectName("cmdMail");
    Connect(cmdMail, &QPushButton::clicked, this, &TfrmAbout::cmdMailClick);

    auto* grid = new QGridLayout(edge);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->addWidget(Image1, 0, 0);
    grid->addWidget(Image2, 1, 0);
    grid->addWidget(ListBox1, 0, 1, 2, 1);
    grid->addWidget(cmdMail, 2, 0, 1, 2, Qt::AlignHCenter);
    resize(520, 300);
}

void TfrmAbout::cmdMailClick()
{
    // Without a mail program there is nothing to tell the user that the desktop has not.
    OpenUrl(QUrl(kProjectMail));
    accept();
}

void TfrmAbout::showEvent(QShowEvent* event)
{
    TForm::showEvent(event);
    QRect placed(QPoint(), size());
    placed.moveCenter(mainWindow_.frameGeometry().center());
    move(placed.topLeft());
    cmdMail->setFocus();
}
