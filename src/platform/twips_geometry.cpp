#include "platform/twips_geometry.h"
#include "platform/vb.h"

#include <QWidget>
#include <algorithm>

void TwipsGeometry::place(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    widget_->setGeometry(pixel_rect());
}

QRect TwipsGeometry::pixel_rect() const {
    // Qt keeps a negative size on a shown widget; the controls never take one.
    return {vb::twips_to_px_x(left_), vb::twips_to_px_y(top_),
            std::max(0, vb::twips_to_px_x(width_)), std::max(0, vb::twips_to_px_y(height_))};
}
