// The "Ljud" page: beeps, the voice list of the speech control and the reading options.
#include "platform/message_box.h"
#include "platform/speech.h"
#include "platform/system.h"
#include "settings/frmOptions2.h"
#include "shared/modSorvinel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kSpacingPx = 4;
} // namespace

void frmOptions2::build_sound_page(QWidget *page) {
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(kSpacingPx);

    fraSample3 = new QGroupBox(QStringLiteral("Pipljud"), page);
    chkPipLjud = new QCheckBox(QStringLiteral("På"), fraSample3);
    (new QVBoxLayout(fraSample3))->addWidget(chkPipLjud);
    connect(chkPipLjud, &QCheckBox::toggled, this, [this] { chkPipLjud_Click(); });
    column->addWidget(fraSample3);

    fraSample3b = new QGroupBox(QStringLiteral("Uppläsning med talsyntes (espeak-ng)"), page);
    auto *speech = new QVBoxLayout(fraSample3b);
    labInfoUpplaes = new QLabel(
        QStringLiteral(
            "För uppläsning krävs det att talsyntesen espeak-ng med svensk röst är installerad."),
        fraSample3b);
    labInfoUpplaes->setWordWrap(true);
    speech->addWidget(labInfoUpplaes);
    auto *voiceRow = new QHBoxLayout;
    labRoest = new QLabel(QStringLiteral("Röst:"), fraSample3b);
    comRoester = new QComboBox(fraSample3b);
    comRoester->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    voiceRow->addWidget(labRoest);
    voiceRow->addWidget(comRoester, 1);
    speech->addLayout(voiceRow);
    connect(comRoester, &QComboBox::activated, this, [this] { comRoester_Click(); });
    chkLaesOevning = new QCheckBox(QStringLiteral("Läs i övningen"), fraSample3b);
    chkLaesMeny = new QCheckBox(QStringLiteral("Läs i menyer"), fraSample3b);
    speech->addWidget(chkLaesOevning);
    speech->addWidget(chkLaesMeny);
    speech->addStretch(1);
    column->addWidget(fraSample3b, 1);

    comAnpassning = new QPushButton(QStringLiteral("&Anpassning..."), page);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(comAnpassning);
    column->addLayout(buttonRow);
    connect(comAnpassning, &QPushButton::clicked, this, [this] { comAnpassning_Click(); });
}

void frmOptions2::load_sound_page() {
    chkPipLjud->setChecked(modSorvinel.beep_on);
    const bool speech = modSorvinel.speech_available;
    labInfoUpplaes->setVisible(!speech);
    for (QWidget *w :
         std::initializer_list<QWidget *>{labRoest, comRoester, chkLaesOevning, chkLaesMeny})
        w->setVisible(speech);
    comAnpassning->setEnabled(bool(show_reader_adaptation));
    if (!speech)
        return;
    fill_voice_list();
    chkLaesOevning->setChecked(modSorvinel.speak_in_exercises);
    chkLaesMeny->setChecked(modSorvinel.speak_menus);
}

void frmOptions2::fill_voice_list() {
    comRoester->clear();
    const int count = speech_control ? speech_control->voice_count() : 0;
    // An unreadable name still takes its place, so list and voices keep the same indices.
    for (int i = 0; i < count; ++i)
        comRoester->addItem(speech_control->voice_name(i).value_or(QString()));
    comRoester->setCurrentIndex(-1);

    voice_at_load = 0;
    current_voice = speech_control ? speech_control->current_voice_name() : QString();
    const int found = current_voice.isEmpty() ? -1 : comRoester->findText(current_voice);
    if (found < 0)
        platform::msg_box(QStringLiteral("Kunde inte läsa röstens namn"),
                          vb::vbOKOnly | vb::vbInformation, kApplicationTitle, parentWidget());
    else
        comRoester->setCurrentIndex(found);
    voice_at_load = found;
    voice_choice = voice_at_load;
}

void frmOptions2::chkPipLjud_Click() {
    if (chkPipLjud->isChecked())
        platform::beep();
}

void frmOptions2::comRoester_Click() {
    // The first entry of that name: a name listed twice means its first voice.
    const int first = comRoester->findText(comRoester->currentText());
    if (first >= 0)
        voice_choice = first;
}

void frmOptions2::comAnpassning_Click() {
    if (show_reader_adaptation)
        show_reader_adaptation(this);
}
