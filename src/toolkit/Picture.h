#pragma once
// TPicture: the container a picture control holds. It loads a file through the
// graphic class registered for the file's extension (case-insensitive): "bmp" is
// built in, "jpg" and "jpeg" are registered by the imaging code at start-up.

#include "toolkit/Graphic.h"

#include <functional>
#include <memory>
#include <string>

using TGraphicFactory = std::function<std::unique_ptr<TGraphic>()>;

class TPicture {
public:
    TPicture();
    ~TPicture();
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    // An unknown extension throws EInvalidGraphic; the graphic's own errors pass
    // through. A failed load keeps the picture held before.
    void LoadFromFile(const std::string& fileName);
    // Throws the EInvalidGraphic LoadFromFile throws for an unknown extension.
    static void CheckFileFormat(const std::string& fileName);

    // The graphic held, or nullptr before the first successful load.
    TGraphic* Graphic() const { return graphic_.get(); }

    // 0 while no graphic is held.
    int Width() const;
    int Height() const;
    // Prepares the graphic for drawing (TGraphic::Decode); nothing while none is held.
    void Decode() const;
    // Draw the graphic, or part of it (TGraphic::DrawPart); nothing while none is held.
    void Draw(QPainter& painter, const QRect& rect) const;
    void DrawPart(QPainter& painter, const QRectF& target, const QRectF& source, TDrawFilter filter) const;

    // Registers a graphic class for an extension given without its dot. A later
    // registration of the same extension replaces the earlier one. Thread-safe.
    static void RegisterFileFormat(const std::string& extension, const std::string& description,
                                   TGraphicFactory factory);
    // Forgets an extension's graphic class: its files are refused as unknown again.
    static void UnregisterFileFormat(const std::string& extension);
    // The description registered for an extension; empty when it is unknown.
    static std::string FileFormatDescription(const std::string& extension);

private:
    std::unique_ptr<TGraphic> graphic_;
};
