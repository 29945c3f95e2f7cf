#include "settings/SharedSettings.h"

void TSharedSettings::Applied()
{
    emit Changed();
}
