#include "ClientArea.h"

#include <QPainter>
#include <QPaintEvent>

#include <algorithm>
#include <array>

namespace skyvane {

namespace {

int wholeScale(QSize area, QSize surface)
{
    return std::max(1, std::min(area.width() / surface.width(), area.height() / surface.height()));
}

QRect centred(QSize area, QSize shown)
{
    return {QPoint((area.width() - shown.width()) / 2, (area.height() - shown.height()) / 2), shown};
}

// The four bands of the area around the shown surface: above, below, left and right of it.
std::array<QRect, 4> bandsAround(QRect area, QRect shown)
{
    return {QRect(QPoint(area.left(), area.top()), QPoint(area.right(), shown.top() - 1)),
            QRect(QPoint(area.left(), shown.bottom() + 1), QPoint(area.right(), area.bottom())),
            QRect(QPoint(area.left(), shown.top()), QPoint(shown.left() - 1, shown.bottom())),
            QRect(QPoint(shown.right() + 1, shown.top()), QPoint(area.right(), shown.bottom()))};
}

} // namespace

ClientArea::ClientArea(const QImage& surface, QWidget* parent)
    : QWidget(parent), surface_(surface), shown_(QPoint(), surface.size())
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientArea::addControl(QWidget& control, QRect designGeometry)
{
    controls_.push_back({&control, designGeometry, control.font().pointSizeF()});
    layOutControls();
}

void ClientArea::surfaceChanged() { update(shown_); }

QSize ClientArea::sizeHint() const { return surface_.size(); }

// Nearest-pixel sampling at a whole scale gives every surface pixel a whole block.
void ClientArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(shown_, surface_);
    for (const QRect& band : bandsAround(rect(), shown_))
        if (band.intersects(event->rect()))
            painter.fillRect(band, Qt::black);
}

void ClientArea::resizeEvent(QResizeEvent* event)
{
    scale_ = wholeScale(size(), surface_.size());
    shown_ = centred(size(), surface_.size() * scale_);
    layOutControls();
    QWidget::resizeEvent(event);
}

void ClientArea::layOutControls()
{
    for (const Control& control : controls_) {
        const QRect design = control.designGeometry;
        control.widget->setGeometry(QRect(shown_.topLeft() + design.topLeft() * scale_, design.size() * scale_));
        if (control.widget->font().pointSizeF() != control.designPointSize * scale_) {
            QFont font = control.widget->font();
            font.setPointSizeF(control.designPointSize * scale_);
            control.widget->setFont(font);
        }
    }
}

} // namespace skyvane
