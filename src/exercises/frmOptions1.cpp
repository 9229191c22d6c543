#include "exercises/frmOptions1.h"

#include "platform/message_box.h"
#include "platform/vb.h"
#include "shared/modSorvinel.h"
#include "shared/settings_keys.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

constexpr int kWidthPx = 360;
constexpr int kHeightPx = 230;
constexpr int kMargin = 10;
constexpr int kTabHeight = 26;
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 28;
constexpr int kButtonGap = 10;
constexpr int kOptionHeight = 24;

QPushButton *make_button(QWidget *parent, const QString &caption) {
    auto *button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

template <std::size_t N>
void fill_frame(QGroupBox *frame, std::array<QRadioButton *, N> &options,
                const std::array<const char *, N> &captions) {
    auto *layout = new QVBoxLayout(frame);
    for (std::size_t i = 0; i < N; ++i) {
        options[i] = new QRadioButton(QString::fromUtf8(captions[i]), frame);
        options[i]->setMinimumHeight(kOptionHeight);
        layout->addWidget(options[i]);
    }
    layout->addStretch();
}

template <std::size_t N> int checked_index(const std::array<QRadioButton *, N> &options) {
    for (std::size_t i = 0; i < N; ++i)
        if (options[i]->isChecked())
            return int(i);
    return -1;
}

void write_number(SettingId id, int value) {
    const SettingKey &k = setting_key(id);
    modSorvinel.save_setting(section_of(k), key_of(k), written_number(value));
}

} // namespace

frmOptions1::frmOptions1(QWidget *parent) : QDialog(parent) {
    setModal(true);
    setWindowTitle(QStringLiteral("Inställning - Utskrift"));
    setFixedSize(kWidthPx, kHeightPx);
    create_controls();
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdApply, &QPushButton::clicked, this, [this] { cmdApply_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    Form_Load();
}

void frmOptions1::create_controls() {
    tbsOptions = new QTabBar(this);
    tbsOptions->addTab(QStringLiteral("Utskrift"));
    tbsOptions->setTabToolTip(0, QStringLiteral("Utskriftsalternativ"));
    tbsOptions->setGeometry(kMargin, kMargin, kWidthPx - 2 * kMargin, kTabHeight);

    const int page_top = kMargin + kTabHeight;
    const int page_height = kHeightPx - page_top - 2 * kMargin - kButtonHeight;
    picOptions = new QWidget(this);
    picOptions->setGeometry(kMargin, page_top, kWidthPx - 2 * kMargin, page_height);
    auto *row = new QHBoxLayout(picOptions);
    fraTeckensnitt = new QGroupBox(QStringLiteral("Teckenstorlek"), picOptions);
    fill_frame<kSizeCount>(fraTeckensnitt, optTeckensnitt, {"Normal", "Stor", "Extra stor"});
    optTeckensnitt[0]->setToolTip(QStringLiteral("Storlek = 12"));
    optTeckensnitt[1]->setToolTip(QStringLiteral("Storlek = 18"));
    optTeckensnitt[2]->setToolTip(QStringLiteral("Storlek = 24"));
    fraOrdning = new QGroupBox(QStringLiteral("Ordning"), picOptions);
    fill_frame<kOrderCount>(fraOrdning, optOrdning, {"Slumpad", "Inskriven"});
    row->addWidget(fraTeckensnitt);
    row->addWidget(fraOrdning);

    const int buttons_top = kHeightPx - kMargin - kButtonHeight;
    int left = kWidthPx - 3 * kButtonWidth - 2 * kButtonGap - kMargin;
    cmdOK = make_button(this, QStringLiteral("&OK"));
    cmdCancel = make_button(this, QStringLiteral("&Avbryt"));
    cmdApply = make_button(this, QStringLiteral("&Utför"));
    for (QPushButton *b : {cmdOK, cmdCancel, cmdApply}) {
        b->setGeometry(left, buttons_top, kButtonWidth, kButtonHeight);
        left += kButtonWidth + kButtonGap;
    }
}

void frmOptions1::Form_Load() {
    optTeckensnitt[std::size_t(std::clamp(modSorvinel.print_size, 0, kSizeCount - 1))]->setChecked(
        true);
    optOrdning[std::size_t(std::clamp(modSorvinel.print_order, 0, kOrderCount - 1))]->setChecked(
        true);
    const int left =
        vb::twips_to_px_x((modSorvinel.screen_width - vb::px_to_twips_x(kWidthPx)) / 2);
    const int top =
        vb::twips_to_px_y((modSorvinel.screen_height - vb::px_to_twips_y(kHeightPx)) / 2);
    move(std::max(0, left), std::max(0, top));
}

void frmOptions1::save_print_options(int page) {
    if (page != kPrintPage)
        return;
    const int size = checked_index(optTeckensnitt);
    if (size >= 0 && size != modSorvinel.print_size) {
        modSorvinel.print_size = size;
        write_number(SettingId::PrintSize, size);
    }
    const int order = checked_index(optOrdning);
    if (order >= 0 && order != modSorvinel.print_order) {
        modSorvinel.print_order = order;
        write_number(SettingId::PrintOrder, order);
    }
}

void frmOptions1::cmdOK_Click() {
    store_print_options();
    accept();
}

void frmOptions1::cmdApply_Click() {
    store_print_options();
}

void frmOptions1::store_print_options() {
    if (!modSorvinel.write_settings([this] { save_print_options(kPrintPage); }))
        platform::msg_box(kSettingsWriteError, vb::vbOKOnly | vb::vbInformation, windowTitle(),
                          this);
}

// Esc comes here too (reject()): nothing beyond what Utför already saved is kept.
void frmOptions1::cmdCancel_Click() {
    reject();
}
