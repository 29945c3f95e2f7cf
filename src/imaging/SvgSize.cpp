#include "imaging/SvgSize.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cmath>

namespace {

constexpr qint64 kRootWithin = 64 * 1024;

// A length in pixels: a number, bare or in px; nothing for any other unit or a percentage.
std::optional<double> Pixels(QStringView text)
{
    text = text.trimmed();
    if (text.endsWith(u"px"))
        text.chop(2);
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value <= 0)
        return std::nullopt;
    return value;
}

// Whole pixels as Qt's reader makes them: a width and height are cut, a view box rounded.
QSize Cut(double width, double height)
{
    return {static_cast<int>(width), static_cast<int>(height)};
}

QSize Rounded(double width, double height)
{
    return {static_cast<int>(std::lround(width)), static_cast<int>(std::lround(height))};
}

}  // namespace

std::optional<QSize> SvgDeclaredSize(QIODevice& device)
{
    QXmlStreamReader xml(device.peek(kRootWithin));
    while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::StartElement) {
    }
    if (xml.tokenType() != QXmlStreamReader::StartElement || xml.name() != u"svg")
        return std::nullopt;
    const QXmlStreamAttributes attributes = xml.attributes();
    const bool hasWidth = attributes.hasAttribute("width");
    const bool hasHeight = attributes.hasAttribute("height");
    if (hasWidth && hasHeight) {
        const std::optional<double> width = Pixels(attributes.value("width"));
        const std::optional<double> height = Pixels(attributes.value("height"));
        if (!width || !height)
            return std::nullopt;
        return Cut(*width, *height);
    }
    if (hasWidth || hasHeight || !attributes.hasAttribute("viewBox"))
        return std::nullopt;
    // "min-x min-y width height", by spaces or commas.
    const QStringList box = attributes.value("viewBox").toString().split(QRegularExpression("[\\s,]+"), Qt::SkipEmptyParts);
    if (box.size() != 4)
        return std::nullopt;
    const std::optional<double> width = Pixels(box[2]);
    const std::optional<double> height = Pixels(box[3]);
    if (!width || !height)
        return std::nullopt;
    return Rounded(*width, *height);
}
