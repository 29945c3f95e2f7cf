#include "Forms.h"

#include "about/window/UnitAbout.h"
#include "album/window/UnitGenHTML.h"
#include "app/window/UnitMain.h"
#include "options/window/UnitOption.h"
#include "viewer/window/UnitShow.h"
#include "viewer/window/UnitSlide.h"

void CreateForms()
{
    // The album window reads the settings while it is made, so the main window,
    // which loads them, comes first.
    frmMain = new TfrmMain();
    frmShow = new TfrmShow();
    frmAbout = new TfrmAbout();
    frmSlide = new TfrmSlide();
    frmOption = new TfrmOption();
    frmGenHTML = new TfrmGenHTML();
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
}
