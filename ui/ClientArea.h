#pragma once
// The client area below the menu bar: shows the window's retained surface, 320 x 241,
// with nearest-neighbour scaling so that high-DPI screens get crisp pixel blocks.

#include <QImage>
#include <QWidget>

namespace skyvane {

class ClientArea : public QWidget {
    Q_OBJECT
public:
    ClientArea(const QImage& surface, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage& surface_;
};

} // namespace skyvane
