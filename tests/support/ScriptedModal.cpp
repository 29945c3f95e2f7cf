#include "support/ScriptedModal.h"

TScriptedModal::TScriptedModal()
{
    previous_ = SetModalRunner([this](TForm& form) {
        shown.push_back(form.objectName().toStdString());
        form.setResult(QDialog::Rejected);
        form.show();
        if (next_ < steps.size())
            steps[next_++](form);
        form.hide();
        return form.result();
    });
}

TScriptedModal::~TScriptedModal()
{
    SetModalRunner(std::move(previous_));
}
