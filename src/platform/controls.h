#pragma once
// The few control kinds the program's forms need beyond Qt's own: labels placed and
// measured in twips that can size themselves to their text, lines and shapes drawn on a
// form, and control arrays whose new elements copy element 0.

#include "platform/twips_geometry.h"

#include <QLabel>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

// A label placed in twips. With AutoSize on, it takes the size of its text.
class VbLabel : public QLabel, public TwipsGeometry {
    Q_OBJECT
public:
    explicit VbLabel(QWidget *parent = nullptr);

    bool AutoSize() const { return auto_size_; }
    void setAutoSize(bool on);
    void setCaption(const QString &text);
    QString Caption() const { return text(); }

    double fontSize() const { return font().pointSizeF(); }
    void setFontSize(double points);
    void setFontName(const QString &family);
    void setFontBold(bool bold);
    void setForeColor(unsigned ole);
    void setBackColor(unsigned ole);
    unsigned ForeColor() const { return fore_; }
    unsigned BackColor() const { return back_; }
    // Transparent (0) or opaque (1) background.
    void setBackStyle(int style);
    // 0 left, 1 right, 2 centre.
    void setTextAlignment(int alignment);
    // No frame (0) or a single-line frame (1).
    void setBorderStyle(int style);
    int BorderStyle() const { return border_style_; }

    // Copies what a new element of a control array takes over from element 0.
    void copy_from(const VbLabel &other);

signals:
    void clicked();
    void doubleClicked();
    void mouseMoved();
    void mousePressed();
    void mouseReleased();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void take_font(const QFont &changed);
    void fit_to_text();
    void apply_colours();

    bool auto_size_ = false;
    unsigned fore_ = 0;
    unsigned back_ = 0xFFFFFF;
    int back_style_ = 0;
    int border_style_ = 0;
    bool pressed_ = false;
};

// A straight line drawn on a form between (X1, Y1) and (X2, Y2), in twips.
class VbLine : public QWidget {
    Q_OBJECT
public:
    explicit VbLine(QWidget *parent = nullptr);
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    void set_ends(double x1, double y1, double x2, double y2);
    int BorderWidth() const { return border_width_; }
    void setBorderWidth(int px);
    void setBorderColor(unsigned ole);
    unsigned BorderColor() const { return colour_; }
    void copy_from(const VbLine &other);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    void apply_geometry();
    int border_width_ = 1;
    unsigned colour_ = 0;
};

// A rectangle or circle drawn on a form, placed in twips.
class VbShape : public QWidget, public TwipsGeometry {
    Q_OBJECT
public:
    enum class Kind { Rectangle, Circle };
    explicit VbShape(QWidget *parent = nullptr, Kind kind = Kind::Rectangle);
    int BorderWidth() const { return border_width_; }
    void setBorderWidth(int px);
    void setBorderColor(unsigned ole);
    void setFillColor(unsigned ole, bool opaque = true);
    unsigned BorderColor() const { return border_; }
    void copy_from(const VbShape &other);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    Kind kind_;
    int border_width_ = 1;
    unsigned border_ = 0;
    unsigned fill_ = 0xFFFFFF;
    bool filled_ = false;
};

// A file list: the names in one folder that match a pattern (no widget of its own).
class FileListBox {
public:
    // False, and the old folder kept, when the folder does not exist or cannot be read.
    bool setPath(const QString &folder);
    const QString &path() const { return path_; }
    // Patterns separated by ";" such as "*.add"; case is ignored.
    void setPattern(const QString &pattern);
    const QString &pattern() const { return pattern_; }
    // File names (no folder) in Swedish order, a .. z, å, ä, ö, case ignored.
    QStringList files() const;
    // Takes the names anew; ListCount and List read what it took.
    void Refresh() { entries_ = files(); }
    int ListCount() const { return int(entries_.size()); }
    QString List(int index) const { return entries_.value(index); }
    const QStringList &entries() const { return entries_; }

private:
    QStringList entries_;
    QString path_;
    QString pattern_ = QStringLiteral("*.*");
};

// A control array: element 0 is made with the form; load(i) makes element i as a hidden
// copy of element 0; unload(i) removes it. Elements live as long as their parent.
template <class T> class ControlArray {
public:
    explicit ControlArray(QWidget *parent) : parent_(parent) { items_.push_back(new T(parent)); }
    T *operator[](int i) const { return items_.at(std::size_t(i)); }
    T *operator()(int i) const { return items_.at(std::size_t(i)); }
    int count() const { return int(items_.size()); }
    int ubound() const { return count() - 1; }
    bool loaded(int i) const { return i >= 0 && i < count() && items_[std::size_t(i)]; }
    T *load(int i) {
        if (i < count() && items_[std::size_t(i)])
            return items_[std::size_t(i)];
        if (i >= count())
            items_.resize(std::size_t(i) + 1, nullptr);
        T *item = new T(parent_);
        item->copy_from(*items_.front());
        item->hide();
        items_[std::size_t(i)] = item;
        return item;
    }
    void unload(int i) {
        if (i <= 0 || i >= count() || !items_[std::size_t(i)])
            return;
        delete items_[std::size_t(i)];
        items_[std::size_t(i)] = nullptr;
        while (items_.size() > 1 && !items_.back())
            items_.pop_back();
    }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    QWidget *parent_;
    std::vector<T *> items_;
};
