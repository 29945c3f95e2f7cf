#include "viewer/SlideLayout.h"

#include "toolkit/RunTime.h"

QRect SlideBounds(QSize window, QSize picture)
{
    if (picture.isEmpty())
        return {};
    const float r = picture.width() > picture.height()
                        ? static_cast<float>(static_cast<double>(window.width()) / picture.width())
                        : static_cast<float>(static_cast<double>(window.height()) / picture.height());
    // Both sides come from the single-precision ratio, multiplied at double precision
    // and truncated toward zero.
    const int width = static_cast<int>(picture.width() * static_cast<double>(r));
    const int height = static_cast<int>(picture.height() * static_cast<double>(r) - 8);
    const int left = width < window.width() ? (window.width() - width) / 2 : 0;
    const int top = height < window.height() ? (window.height() - height) / 2 : 0;
    return {left, top, width, height};
}

std::string SlideCaption(QSize picture, const std::string& path, int position, int total)
{
    return "W:" + IntToStr(picture.width()) + " x H:" + IntToStr(picture.height()) + "   File:" + path + "   ( " +
           IntToStr(position) + "/" + IntToStr(total) + " )";
}
