#include "imaging/ColorProfile.h"

#include <QColorSpace>

void ConvertToSRgb(QImage& image, const QByteArray& profile)
{
    if (profile.isEmpty())
        return;
    const QColorSpace space = QColorSpace::fromIccProfile(profile);
    if (!space.isValid() || space == QColorSpace(QColorSpace::SRgb))
        return;
    image.setColorSpace(space);
    image.convertToColorSpace(QColorSpace::SRgb);
}
