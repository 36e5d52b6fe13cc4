#pragma once
// The window's client area: the retained surface the game draws on, shown at the largest whole
// number of times its size that the area holds, centred on black, so that every pixel of the
// surface is a crisp square block. Its controls lie over the surface at their design places,
// scaled with it. An area smaller than the surface shows it once, centred and cut at the edges:
// a smaller scale would drop single-pixel stars and specks. The surface must outlive the area.

#include <QImage>
#include <QWidget>

#include <vector>

namespace skyvane {

class ClientArea : public QWidget {
    Q_OBJECT
public:
    ClientArea(const QImage& surface, QWidget* parent);

    // Lays the control over the surface at its place in surface pixels, its font scaled too.
    void addControl(QWidget& control, QRect designGeometry);
    // Schedules the repaint of the shown surface after the game drew on it.
    void surfaceChanged();

    // The surface's own size: the area's size in the window's normal state.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Control {
        QWidget* widget;
        QRect designGeometry;
        qreal designPointSize;
    };

    void layOutControls();

    const QImage& surface_;
    int scale_ = 1;
    QRect shown_;  // where the surface is shown; beyond the edges when the area is smaller
    std::vector<Control> controls_;
};

} // namespace skyvane
