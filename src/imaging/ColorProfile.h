#pragma once
// Pictures shown in sRGB: a JPEG's embedded ICC profile (Adobe RGB, Display P3, ...)
// says what its colours mean, and they are converted to what the screen expects.

#include <QByteArray>
#include <QImage>

// Converts a colour image from the colour space the profile describes to sRGB. An
// empty profile, an sRGB one or one Qt cannot use leaves the image exactly as it is.
void ConvertToSRgb(QImage& image, const QByteArray& profile);
