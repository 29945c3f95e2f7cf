#include "Forms.h"

#include "about/window/UnitAbout.h"
#include "album/window/UnitGenHTML.h"
#include "app/window/UnitMain.h"
#include "browse/PictureSet.h"
#include "options/window/UnitOption.h"
#include "settings/SharedSettings.h"
#include "viewer/window/UnitShow.h"
#include "viewer/window/UnitSlide.h"

#include <memory>

namespace {
// What the windows share, made before them and gone after them.
std::unique_ptr<TPictureSet> pictures;
std::unique_ptr<TSharedSettings> settings;
} // namespace

void CreateForms()
{
    pictures = std::make_unique<TPictureSet>();
    settings = std::make_unique<TSharedSettings>();
    // The main window loads the settings, and the album window reads them while it is
    // made, so the main window comes first.
    frmMain = new TfrmMain(*pictures, *settings);
    frmShow = new TfrmShow(*pictures, *settings, *frmMain);
    frmAbout = new TfrmAbout(*frmMain);
    frmSlide = new TfrmSlide(*pictures, *settings);
    frmOption = new TfrmOption(*settings, *frmMain);
    frmGenHTML = new TfrmGenHTML(*settings);
    frmMain->Forms = {frmShow, frmAbout, frmSlide, frmOption, frmGenHTML};
}

namespace {
template <class T>
void Release(T*& form)
{
    delete form;
    form = nullptr;
}
} // namespace

void DestroyForms()
{
    Release(frmGenHTML);
    Release(frmOption);
    Release(frmSlide);
    Release(frmAbout);
    Release(frmShow);
    Release(frmMain);
    settings.reset();
    pictures.reset();
}
