#pragma once
// The work area under the tool bar: controls aligned to the left, one after the
// other, each as high as the area, with splitters that resize the control before them.

#include <QGroupBox>

#include <map>
#include <vector>

class TWorkArea : public QGroupBox {
public:
    explicit TWorkArea(QWidget* parent = nullptr);

    // The left-to-right order of the aligned controls; hidden ones take no room.
    void SetChain(std::vector<QWidget*> chain);
    void SetControlWidth(QWidget* control, int width);
    int ControlWidth(QWidget* control) const;
    // Places the visible controls of the chain.
    void Realign();
    // Called by a splitter that was dragged by dx pixels.
    void SplitterMoved(QWidget* splitter, int dx);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<QWidget*> chain_;
    std::map<QWidget*, int> widths_;
};

// A 5-pixel bar that resizes the control on its left when dragged.
class TSplitter : public QWidget {
public:
    TSplitter(const char* name, TWorkArea* area);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    TWorkArea* area_;
    int lastX_ = 0;
};
