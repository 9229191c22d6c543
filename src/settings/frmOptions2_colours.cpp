// The "Färger" page: six colour samples and the marker on the chosen one.
#include "platform/vb.h"
#include "settings/frmOptions2.h"
#include "shared/modSorvinel.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
// Design size of sample 0, twips; the others take it at load.
constexpr double kSampleWidth = 1575, kSampleHeight = 1455;
constexpr double kTaskTop = 420, kWrongTop = 840;
constexpr double kSampleFontPt = 10;
constexpr int kMarkerPx = 3;
constexpr unsigned kMarkerColour = 0x808080;
constexpr int kCaptionInsetPx = 6;
constexpr unsigned kOpaque = 1;

void centre_in(VbLabel *label, double frameWidth, double top) {
    label->move_to((frameWidth - label->Width()) / 2, top);
}
} // namespace

SampleFrame::SampleFrame(QWidget *parent) : QWidget(parent), TwipsGeometry(this) {}

void SampleFrame::setCaption(const QString &caption) {
    caption_ = caption;
    // The caption is painted: a screen reader gets it as the sample's name.
    setAccessibleName(caption);
    update();
}

void SampleFrame::setColours(unsigned back, unsigned fore) {
    back_ = back;
    fore_ = fore;
    update();
}

void SampleFrame::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), vb::ole_color(back_));
    const QFontMetrics fm(font());
    const int half = fm.height() / 2;
    p.setPen(vb::ole_color(fore_));
    p.drawRect(rect().adjusted(0, half, -1, -1));
    const QRect text(kCaptionInsetPx, 0, fm.horizontalAdvance(caption_) + 2, fm.height());
    p.fillRect(text, vb::ole_color(back_));
    p.drawText(text, Qt::AlignCenter, caption_);
}

void SampleFrame::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

void frmOptions2::build_colours_page(QWidget *page) {
    QFont sampleFont(QStringLiteral("Arial"));
    sampleFont.setPointSizeF(kSampleFontPt);
    sampleFont.setBold(true);
    for (int i = 0; i < kColourSchemeCount; ++i) {
        fraSample1[i] = new SampleFrame(page);
        fraSample1[i]->setCaption(QString::fromUtf8(colour_schemes()[i].caption));
        labTal[i] = new VbLabel(fraSample1[i]);
        labFel[i] = new VbLabel(fraSample1[i]);
        for (VbLabel *l : {labTal[i], labFel[i]}) {
            l->setFont(sampleFont);
            l->setBackStyle(kOpaque);
            l->setAutoSize(true);
            connect(l, &VbLabel::clicked, this, [this, i] { fraSample1_Click(i); });
        }
        labTal[i]->setCaption(QStringLiteral("12 + 13 = _"));
        labFel[i]->setCaption(QStringLiteral("26"));
        connect(fraSample1[i], &SampleFrame::clicked, this, [this, i] { fraSample1_Click(i); });
    }
    fraSample1[0]->place(0, 0, kSampleWidth, kSampleHeight);
    shaStil = new VbShape(page);
    shaStil->setBorderWidth(kMarkerPx);
    shaStil->setBorderColor(kMarkerColour);
    // The marker lies on a sample; clicks go through to it.
    shaStil->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void frmOptions2::setup_samples() {
    SampleFrame *first = fraSample1[0];
    shaStil->setWidth(first->Width());
    shaStil->setHeight(first->Height());
    first->setToolTip(sample_tooltip(0));
    for (int i = 1; i < kColourSchemeCount; ++i) {
        fraSample1[i]->place(fraSample1[i]->Left(), fraSample1[i]->Top(), first->Width(),
                             first->Height());
        fraSample1[i]->setToolTip(sample_tooltip(i));
    }
    for (int i = 0; i < kColourSchemeCount; ++i) {
        fraSample1[i]->setAccessibleDescription(fraSample1[i]->toolTip());
        labTal[i]->setToolTip(fraSample1[i]->toolTip());
        labFel[i]->setToolTip(fraSample1[i]->toolTip());
    }

    const QSizeF pageSize(vb::px_to_twips_x(picOptions[0]->width()),
                          vb::px_to_twips_y(picOptions[0]->height()));
    const QSizeF sampleSize(first->Width(), first->Height());
    for (int i = 0; i < kColourSchemeCount; ++i) {
        const QPointF at = sample_position(i, pageSize, sampleSize);
        fraSample1[i]->place(at.x(), at.y(), sampleSize.width(), sampleSize.height());
        centre_in(labTal[i], sampleSize.width(), kTaskTop);
        centre_in(labFel[i], sampleSize.width(), kWrongTop);
    }

    style_choice = modSorvinel.colour_style;
    const int marked = std::clamp(modSorvinel.colour_style, 0, kColourSchemeCount - 1);
    shaStil->setLeft(fraSample1[marked]->Left());
    shaStil->setTop(fraSample1[marked]->Top());
    shaStil->raise();

    for (int s = 0; s < kColourSchemeCount; ++s) {
        const ColourScheme &scheme = colour_schemes()[s];
        fraSample1[s]->setColours(scheme.background, scheme.foreground);
        labTal[s]->setBackColor(scheme.background);
        labTal[s]->setForeColor(scheme.foreground);
        labFel[s]->setBackColor(scheme.background);
        labFel[s]->setForeColor(scheme.wrong);
    }
}

void frmOptions2::fraSample1_Click(int index) {
    if (index < 0 || index >= kColourSchemeCount)
        return;
    shaStil->setLeft(fraSample1[index]->Left());
    shaStil->setTop(fraSample1[index]->Top());
    style_choice = index;
}
