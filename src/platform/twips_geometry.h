#pragma once
// The place of a control laid out in twips: left, top, width and height are kept as given
// and the widget is set to the nearest pixels after every change, so a value read back is
// the one set, not what the pixels rounded it to. Shared by the controls placed in twips.

#include <QRect>

class QWidget;

class TwipsGeometry {
public:
    // `widget` is the control itself; it is only placed, never owned.
    explicit TwipsGeometry(QWidget *widget) : widget_(widget) {}
    TwipsGeometry(const TwipsGeometry &) = delete;
    TwipsGeometry &operator=(const TwipsGeometry &) = delete;

    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void setLeft(double twips) { place(twips, top_, width_, height_); }
    void setTop(double twips) { place(left_, twips, width_, height_); }
    void setWidth(double twips) { place(left_, top_, twips, height_); }
    void setHeight(double twips) { place(left_, top_, width_, twips); }
    void move_to(double left, double top) { place(left, top, width_, height_); }
    void place(double left, double top, double width, double height);

    // The place in pixels, halves rounded to even; a negative size gives an empty one.
    QRect pixel_rect() const;

protected:
    ~TwipsGeometry() = default;

private:
    QWidget *widget_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};
