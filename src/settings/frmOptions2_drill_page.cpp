// The "Special" page: records, number line, clock, minimums, reward and wrong answers.
#include "platform/message_box.h"
#include "platform/vb.h"
#include "settings/frmOptions2.h"
#include "shared/modSorvinel.h"
#include "shared/settings_keys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <utility>

namespace {
constexpr int kSpacingPx = 3;
constexpr int kRecordLeftPx = 8;
constexpr int kRecordButtonInsetPx = 6;
const char *const kRecordCaptions[] = {
    "Addition: ", "Subtraktion: ", "Multiplikation: ", "Division: ", "Blandat: "};

QHBoxLayout *labelled(QLabel *label, QComboBox *list) {
    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(list, 1);
    return row;
}

void fill(QComboBox *list, int PageControls::*index) {
    list->addItems(list_entries(*list_item(index)));
}

void select(QComboBox *list, int PageControls::*index, int value) {
    list->setCurrentIndex(list_index(*list_item(index), value));
}
} // namespace

void frmOptions2::build_special_page(QWidget *page) {
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(kSpacingPx);

    auto *left = new QVBoxLayout;
    chkRekord = new QCheckBox(QStringLiteral("Kontrollera rekord"), page);
    left->addWidget(chkRekord);
    fraSample4 = new QGroupBox(QStringLiteral("Rekord för \"Till 10:an\" - Alla rätt!"), page);
    // The lines stand one under the other below the frame's caption.
    auto *area = new QWidget(fraSample4);
    auto *inside = new QVBoxLayout(fraSample4);
    inside->setContentsMargins(0, 0, 0, 0);
    inside->addWidget(area);
    for (int i = 0; i < int(labRekord.size()); ++i) {
        labRekord[i] = new VbLabel(area);
        labRekord[i]->setAutoSize(true);
        labRekord[i]->setCaption(QString::fromUtf8(kRecordCaptions[i]));
        labRekord[i]->setLeft(vb::px_to_twips_x(kRecordLeftPx));
    }
    comRekord = new QPushButton(QStringLiteral("&Radera rekord"), area);
    left->addWidget(fraSample4);
    left->addStretch(1);
    grid->addLayout(left, 0, 0);

    auto *right = new QVBoxLayout;
    right->setSpacing(kSpacingPx);
    chkTallinje = new QCheckBox(QStringLiteral("Visa tallinje"), page);
    labSteg = new QLabel(QStringLiteral("Längd:"), page);
    cbxSteg = new QComboBox(page);
    labMark = new QLabel(QStringLiteral("Intervall:"), page);
    cbxMark = new QComboBox(page);
    chkKlocka = new QCheckBox(QStringLiteral("Visa klocka"), page);
    labMinAntal = new QLabel(QStringLiteral("Minsta antal:"), page);
    cbxMinAntal = new QComboBox(page);
    chkSlump = new QCheckBox(QStringLiteral("Blandad ordning"), page);
    right->addWidget(chkTallinje);
    right->addLayout(labelled(labSteg, cbxSteg));
    right->addLayout(labelled(labMark, cbxMark));
    right->addWidget(chkKlocka);
    right->addLayout(labelled(labMinAntal, cbxMinAntal));
    right->addWidget(chkSlump);
    right->addStretch(1);
    grid->addLayout(right, 0, 1);

    auto *bottom = new QGridLayout;
    bottom->setVerticalSpacing(kSpacingPx);
    labBel = new QLabel(QStringLiteral("Minsta antal rätt för \"Alla rätt\"-belöning:"), page);
    cbxBel = new QComboBox(page);
    labOevningstyp = new QLabel(QStringLiteral("Typ av belöning vid \"Alla rätt::"), page);
    cbxBeloeningstyp = new QComboBox(page);
    labFelVisning = new QLabel(QStringLiteral("Visning av felaktigt svar:"), page);
    cbxFelVisning = new QComboBox(page);
    const std::array<std::pair<QLabel *, QComboBox *>, 3> rows = {
        {{labBel, cbxBel}, {labOevningstyp, cbxBeloeningstyp}, {labFelVisning, cbxFelVisning}}};
    for (int r = 0; r < int(rows.size()); ++r) {
        // The lists show their longest entry whole; a long caption wraps instead.
        rows[r].first->setWordWrap(true);
        rows[r].second->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
        bottom->addWidget(rows[r].first, r, 0);
        bottom->addWidget(rows[r].second, r, 1);
    }
    bottom->setColumnStretch(1, 1);
    grid->addLayout(bottom, 1, 0, 1, 2);

    fill(cbxSteg, &PageControls::line_length_index);
    fill(cbxMark, &PageControls::line_marking_index);
    fill(cbxMinAntal, &PageControls::min_tasks_index);
    fill(cbxBel, &PageControls::reward_min_index);
    fill(cbxFelVisning, &PageControls::wrong_display_index);
    fill(cbxBeloeningstyp, &PageControls::reward_type_index);

    connect(chkRekord, &QCheckBox::toggled, this, [this] { chkRekord_Click(); });
    connect(chkTallinje, &QCheckBox::toggled, this, [this] { chkTallinje_Click(); });
    connect(comRekord, &QPushButton::clicked, this, [this] { comRekord_Click(); });
}

void frmOptions2::load_special_page() {
    const ModSorvinel &m = modSorvinel;
    chkSlump->setChecked(m.random_order);
    chkRekord->setChecked(m.check_records);
    records_deleted = false;
    // A running record drill keeps its record rules as they are.
    chkRekord->setEnabled(!m.record_drill_active);
    fraSample4->setEnabled(m.check_records && !m.record_drill_active);
    comRekord->setEnabled(fraSample4->isEnabledTo(picOptions[3]));
    show_record_list();
    chkTallinje->setChecked(m.number_line_on);
    cbxSteg->setEnabled(m.number_line_on);
    cbxMark->setEnabled(m.number_line_on);
    select(cbxSteg, &PageControls::line_length_index, m.number_line_length);
    chkKlocka->setChecked(m.show_clock);
    select(cbxMark, &PageControls::line_marking_index, m.number_line_marking);
    select(cbxBel, &PageControls::reward_min_index, m.reward_min_tasks);
    select(cbxMinAntal, &PageControls::min_tasks_index, m.min_task_count);
    select(cbxFelVisning, &PageControls::wrong_display_index, m.wrong_answer_display);
    select(cbxBeloeningstyp, &PageControls::reward_type_index, m.reward_type);
}

void frmOptions2::show_record_list() {
    for (int i = 0; i < int(labRekord.size()); ++i)
        labRekord[i]->setCaption(QString::fromUtf8(kRecordCaptions[i]));
    for (int i = 0; i < int(labRekord.size()); ++i) {
        VbLabel *line = labRekord[i];
        line->setTop(i * line->Height());
        const long seconds = modSorvinel.record_times[std::size_t(i)];
        line->setCaption(line->Caption() + (seconds == 0 ? QStringLiteral("Ej satt!")
                                                         : ModSorvinel::format_duration(seconds)));
    }
    const QSize button = comRekord->sizeHint();
    const int buttonTop = labRekord.back()->geometry().bottom() + kRecordButtonInsetPx;
    comRekord->setGeometry(kRecordLeftPx, buttonTop, button.width(), button.height());
    comRekord->parentWidget()->setMinimumHeight(buttonTop + button.height() + kRecordButtonInsetPx);
}

void frmOptions2::chkRekord_Click() {
    fraSample4->setEnabled(chkRekord->isChecked());
    comRekord->setEnabled(chkRekord->isChecked());
    if (chkRekord->isChecked())
        show_record_list();
}

void frmOptions2::chkTallinje_Click() {
    cbxSteg->setEnabled(chkTallinje->isChecked());
    cbxMark->setEnabled(chkTallinje->isChecked());
}

void frmOptions2::comRekord_Click() {
    const QString title = QStringLiteral("Radera rekord");
    if (platform::msg_box(QStringLiteral("Är du säker på att du skall radera rekordlistan?"),
                          vb::vbYesNoCancel | vb::vbQuestion, title, this) != vb::vbYes)
        return;
    modSorvinel.record_times.fill(0);
    show_record_list();
    platform::msg_box(QStringLiteral("Rekordlistan är raderad"), vb::vbOKOnly | vb::vbInformation,
                      title, this);
    records_deleted = true;
}

// The store still holds the records of before the deletion.
void frmOptions2::restore_records() {
    for (int i = 0; i < int(modSorvinel.record_times.size()); ++i) {
        const SettingKey &k = setting_key(SettingId(int(SettingId::Record0) + i));
        modSorvinel.record_times[std::size_t(i)] =
            read_record(modSorvinel.get_setting(section_of(k), key_of(k), written_number(0)));
    }
    platform::msg_box(QStringLiteral("Rekordlistan har återskapats"),
                      vb::vbOKOnly | vb::vbInformation, QStringLiteral("Rekordlista"), this);
}
