#include "platform/controls.h"
#include "platform/swedish_order.h"
#include "platform/vb.h"

#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

VbLabel::VbLabel(QWidget *parent) : QLabel(parent), TwipsGeometry(this) {
    setMargin(0);
    setAttribute(Qt::WA_TranslucentBackground, false);
    apply_colours();
}

void VbLabel::setAutoSize(bool on) {
    auto_size_ = on;
    if (on)
        fit_to_text();
}

void VbLabel::setCaption(const QString &text) {
    setText(text);
    if (auto_size_)
        fit_to_text();
}

void VbLabel::setFontSize(double points) {
    QFont f = font();
    f.setPointSizeF(points);
    take_font(f);
}

void VbLabel::setFontName(const QString &family) {
    QFont f = font();
    f.setFamily(family);
    take_font(f);
}

void VbLabel::setFontBold(bool bold) {
    QFont f = font();
    f.setBold(bold);
    take_font(f);
}

// With AutoSize on, the label takes the size of its text in the new font.
void VbLabel::take_font(const QFont &changed) {
    setFont(changed);
    if (auto_size_)
        fit_to_text();
}

void VbLabel::setForeColor(unsigned ole) {
    fore_ = ole;
    apply_colours();
}
void VbLabel::setBackColor(unsigned ole) {
    back_ = ole;
    apply_colours();
}
void VbLabel::setBackStyle(int style) {
    back_style_ = style;
    apply_colours();
}

void VbLabel::setTextAlignment(int alignment) {
    constexpr int kRight = 1, kCentre = 2;
    Qt::Alignment a = Qt::AlignVCenter | Qt::AlignLeft;
    if (alignment == kRight)
        a = Qt::AlignVCenter | Qt::AlignRight;
    if (alignment == kCentre)
        a = Qt::AlignVCenter | Qt::AlignHCenter;
    setAlignment(a);
}

void VbLabel::setBorderStyle(int style) {
    border_style_ = style;
    setFrameStyle(style ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
}

void VbLabel::copy_from(const VbLabel &o) {
    setBorderStyle(o.border_style_);
    setFont(o.font());
    setAlignment(o.alignment());
    fore_ = o.fore_;
    back_ = o.back_;
    back_style_ = o.back_style_;
    apply_colours();
    setCursor(o.cursor());
    setToolTip(o.toolTip());
    setMouseTracking(o.hasMouseTracking());
    setText(o.text());
    auto_size_ = o.auto_size_;
    place(o.Left(), o.Top(), o.Width(), o.Height());
}

void VbLabel::fit_to_text() {
    const QSize s = sizeHint();
    place(Left(), Top(), vb::px_to_twips_x(s.width()), vb::px_to_twips_y(s.height()));
}

void VbLabel::apply_colours() {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, vb::ole_color(fore_));
    p.setColor(QPalette::Window, vb::ole_color(back_));
    setPalette(p);
    setAutoFillBackground(back_style_ != 0);
}

void VbLabel::mousePressEvent(QMouseEvent *e) {
    pressed_ = e->button() == Qt::LeftButton;
    emit mousePressed();
    QLabel::mousePressEvent(e);
}

void VbLabel::mouseReleaseEvent(QMouseEvent *e) {
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->pos());
    pressed_ = false;
    emit mouseReleased();
    QLabel::mouseReleaseEvent(e);
    emit mouseReleased();
    if (click)
        emit clicked();
}

void VbLabel::mouseDoubleClickEvent(QMouseEvent *e) {
    emit doubleClicked();
    QLabel::mouseDoubleClickEvent(e);
}

void VbLabel::mouseMoveEvent(QMouseEvent *e) {
    emit mouseMoved();
    QLabel::mouseMoveEvent(e);
}

// --- VbLine -------------------------------------------------------------------------

VbLine::VbLine(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void VbLine::set_ends(double x1, double y1, double x2, double y2) {
    X1 = x1;
    Y1 = y1;
    X2 = x2;
    Y2 = y2;
    apply_geometry();
}

void VbLine::setBorderWidth(int px) {
    border_width_ = std::max(1, px);
    apply_geometry();
}
void VbLine::setBorderColor(unsigned ole) {
    colour_ = ole;
    update();
}

void VbLine::copy_from(const VbLine &o) {
    border_width_ = o.border_width_;
    colour_ = o.colour_;
    set_ends(o.X1, o.Y1, o.X2, o.Y2);
}

void VbLine::apply_geometry() {
    const int x1 = vb::twips_to_px_x(X1), y1 = vb::twips_to_px_y(Y1);
    const int x2 = vb::twips_to_px_x(X2), y2 = vb::twips_to_px_y(Y2);
    const int pad = (border_width_ + 1) / 2;
    setGeometry(std::min(x1, x2) - pad, std::min(y1, y2) - pad, std::abs(x2 - x1) + 2 * pad + 1,
                std::abs(y2 - y1) + 2 * pad + 1);
    update();
}

void VbLine::paintEvent(QPaintEvent *) {
    QPainter p(this);
    QPen pen(vb::ole_color(colour_));
    pen.setWidth(border_width_);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    const QPoint origin = pos();
    p.drawLine(QPoint(vb::twips_to_px_x(X1), vb::twips_to_px_y(Y1)) - origin,
               QPoint(vb::twips_to_px_x(X2), vb::twips_to_px_y(Y2)) - origin);
}

// --- VbShape ------------------------------------------------------------------------

VbShape::VbShape(QWidget *parent, Kind kind) : QWidget(parent), TwipsGeometry(this), kind_(kind) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void VbShape::setBorderWidth(int px) {
    border_width_ = std::max(1, px);
    update();
}
void VbShape::setBorderColor(unsigned ole) {
    border_ = ole;
    update();
}
void VbShape::setFillColor(unsigned ole, bool opaque) {
    fill_ = ole;
    filled_ = opaque;
    update();
}

void VbShape::copy_from(const VbShape &o) {
    kind_ = o.kind_;
    border_width_ = o.border_width_;
    border_ = o.border_;
    fill_ = o.fill_;
    filled_ = o.filled_;
    place(o.Left(), o.Top(), o.Width(), o.Height());
}

void VbShape::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, kind_ == Kind::Circle);
    QPen pen(vb::ole_color(border_));
    pen.setWidth(border_width_);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(filled_ ? QBrush(vb::ole_color(fill_)) : Qt::NoBrush);
    const double inset = border_width_ / 2.0;
    const QRectF r = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (kind_ == Kind::Circle) {
        const double d = std::min(r.width(), r.height());
        p.drawEllipse(QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d));
    } else {
        p.drawRect(r);
    }
}

// --- FileListBox --------------------------------------------------------------------

bool FileListBox::setPath(const QString &folder) {
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir() || !info.isReadable())
        return false;
    path_ = folder;
    return true;
}

void FileListBox::setPattern(const QString &pattern) {
    pattern_ = pattern;
}

QStringList FileListBox::files() const {
    if (path_.isEmpty())
        return {};
    QDir dir(path_);
    dir.setNameFilters(pattern_.split(';', Qt::SkipEmptyParts));
    dir.setFilter(QDir::Files | QDir::Readable);
    dir.setSorting(QDir::Unsorted);
    QStringList names = dir.entryList();
    platform::sort_swedish(names);
    return names;
}
