// The "Teckensnitt" page: the screen's fonts and a sample fitted to the main window's
// number label.
#include "platform/vb.h"
#include "settings/frmOptions2.h"
#include "shared/main_window_view.h"
#include "shared/modSorvinel.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>

namespace {
constexpr double kSampleDesignPt = 60;
constexpr int kFrameMarginPx = 8;
constexpr int kFrameTitlePx = 18;
constexpr unsigned kOpaque = 1;

void plain_font(VbLabel *label, const QString &family, int points) {
    QFont f = vb::plain(label->font());
    f.setFamily(family);
    f.setPointSize(points);
    label->setFont(f);
    // Sizes itself to its caption again.
    label->setAutoSize(true);
}
} // namespace

void frmOptions2::build_font_page(QWidget *page) {
    fraSample2 = new QGroupBox(QStringLiteral("Räkneyta"), page);
    fraSample2->setGeometry(page->rect());
    cbxFont = new QComboBox(fraSample2);
    cbxFont->setEditable(true);
    cbxFont->setInsertPolicy(QComboBox::NoInsert);
    cbxFont->setGeometry(kFrameMarginPx, kFrameTitlePx + kFrameMarginPx / 2,
                         fraSample2->width() - 2 * kFrameMarginPx, cbxFont->sizeHint().height());
    connect(cbxFont, &QComboBox::activated, this, [this] { cbxFont_Click(); });

    labFont = new VbLabel(fraSample2);
    labFont->setFontName(QStringLiteral("Arial"));
    labFont->setFontSize(kSampleDesignPt);
    labFont->setBackStyle(kOpaque);
    labFont->setTextAlignment(2);
    labFont->setToolTip(QStringLiteral("Exempel med siffran 2"));
    labFont->setAutoSize(true);
    labFont->setCaption(QStringLiteral(" 2 "));

    labTest = new VbLabel(fraSample2);
    labTest->setAutoSize(true);
    labTest->setCaption(QStringLiteral("9999"));
    labTest->hide();
}

void frmOptions2::place_font_sample() {
    const int top = cbxFont->geometry().bottom() + kFrameMarginPx;
    const double areaTop = vb::px_to_twips_y(top);
    const double areaHeight = vb::px_to_twips_y(fraSample2->height() - top);
    const double areaWidth = vb::px_to_twips_x(fraSample2->width());
    labFont->move_to((areaWidth - labFont->Width()) / 2,
                     areaTop + std::max(0.0, (areaHeight - labFont->Height()) / 2));
}

void frmOptions2::load_font_page() {
    const QString mainFont = modSorvinel.main_window ? modSorvinel.font_name : QString();
    bool found = false;
    for (const QString &family : QFontDatabase::families()) {
        cbxFont->addItem(family);
        if (family == mainFont) {
            cbxFont->setCurrentIndex(cbxFont->count() - 1);
            labFont->setFontName(family);
            found = true;
        }
    }
    if (!found)
        cbxFont->setEditText(QString());
    place_font_sample();
}

void frmOptions2::cbxFont_Click() {
    font_chosen = true;
    const QString family = cbxFont->currentText();
    const int start = modSorvinel.label_font_size;
    labFont->hide();
    plain_font(labFont, family, start);
    plain_font(labTest, family, start);
    const QSizeF target(modSorvinel.font_fit_width, modSorvinel.font_fit_height);
    const QString text = labTest->text();
    const int size = fit_font_size(start, target, [&family, &text](int points) {
        return text_extent_twips(family, points, text);
    });
    plain_font(labTest, family, size);
    plain_font(labFont, family, size);
    place_font_sample();
    labFont->show();
}
