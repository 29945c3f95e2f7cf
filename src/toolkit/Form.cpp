#include "toolkit/Form.h"

TForm::TForm(const char* name, const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Window)
{
    setObjectName(name);
    setWindowTitle(caption);
}

void TForm::Show()
{
    show();
    raise();
    activateWindow();
}

int TForm::ShowModal()
{
    return exec();
}
