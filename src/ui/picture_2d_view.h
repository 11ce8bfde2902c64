#pragma once
// The 2D window's client area: the top-left part of the bitmap that the 2D
// pass draws on, clipped to the area, once the bitmap is shown; the
// window's own background before that. It shows a copy taken when no pass
// draws, since paints come on the user-interface thread while the worker
// draws on the bitmap.

#include <QImage>
#include <QWidget>

namespace sprig {

class QImageCanvas;

class Picture2dView final : public QWidget {
public:
    explicit Picture2dView(const QImageCanvas& canvas);

    void setPictureShown(bool shown);
    // Takes a new copy of the bitmap and repaints; only while no pass draws.
    void refresh();
    bool pictureShown() const { return shown_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImageCanvas& canvas_;
    QImage picture_;
    bool shown_ = false;
};

}  // namespace sprig
