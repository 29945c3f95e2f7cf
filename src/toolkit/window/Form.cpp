#include "toolkit/window/Form.h"

#include <utility>

namespace {
TModalRunner g_runner;
}

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
    return g_runner ? g_runner(*this) : exec();
}

TModalRunner SetModalRunner(TModalRunner runner)
{
    return std::exchange(g_runner, std::move(runner));
}
