// Drills of exercise files: the list of the operation's files in the main window (one name
// between two arrows), the open dialog of the menu bar, and loading the chosen file into a
// drill. The list's names are taken once each time it is shown.
#include "drill/exercise_drill_logic.h"
#include "drill/frmSorvinel.h"
#include "drill/frmSorvinel_elements.h"
#include "exercises/exercise_file.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/system.h"
#include "platform/vb.h"
#include "shared/modSorvinel.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

namespace {
const QString kListTitle = QStringLiteral("Övningar");
const QString kOpenTitle = QStringLiteral("Öppna");
const QString kReadError = QStringLiteral("Ett fel uppstod vid filhämtning!");
const QString kTooFewTasks = QStringLiteral("För få uppgifter!");
const QString kShuffleQuestion = QStringLiteral("Skall uppgifterna blandas?");
constexpr int kNotice = vb::vbOKOnly + vb::vbInformation;
constexpr int kQuestion = vb::vbYesNo + vb::vbQuestion;
namespace knapp {
constexpr int DownPressed = 0, Down = 1, UpPressed = 2, Up = 3;
} // namespace knapp
const char *const kArrowPictures[] = {":/file-arrow-down-pressed.svg", ":/file-arrow-down.svg",
                                      ":/file-arrow-up-pressed.svg", ":/file-arrow-up.svg"};

void show_picture(VbLabel *arrow, const QPixmap &picture) {
    arrow->setPixmap(picture);
    arrow->setWidth(vb::px_to_twips_x(picture.width()));
    arrow->setHeight(vb::px_to_twips_y(picture.height()));
}
} // namespace

void frmSorvinel::connect_file_drill_commands() {
    for (Operation op : kOperations) {
        QAction *item = menOevningarDrill[index_of(op)];
        connect(item, &QAction::triggered, this, [this, op] { menOevningar_Click(op); });
        item->setEnabled(true);
    }
    for (size_t i = 0; i < imaKnapp.size(); ++i)
        imaKnapp[i] = QPixmap(kArrowPictures[i]);
    labFilnamn->setTextAlignment(2);
    connect(labFilnamn, &VbLabel::clicked, this, [this] { labFilnamn_Click(); });
    connect(picNer, &VbLabel::mousePressed, this, [this] { picNer_MouseDown(); });
    connect(picNer, &VbLabel::mouseReleased, this, [this] { picNer_MouseUp(); });
    connect(picUpp, &VbLabel::mousePressed, this, [this] { picUpp_MouseDown(); });
    connect(picUpp, &VbLabel::mouseReleased, this, [this] { picUpp_MouseUp(); });
}

void frmSorvinel::show_exercise_list() {
    const Operation op = modSorvinel.current_operation;
    filSorvinel.setPattern(drill::exercise_list_pattern(op));
    // An unusable folder lists the program's own folder; the setting stays.
    if (!filSorvinel.setPath(modSorvinel.exercise_folder))
        filSorvinel.setPath(ModSorvinel::program_folder());
    filSorvinel.Refresh();
    if (filSorvinel.ListCount() == 0) {
        if (platform::msg_box(drill::missing_exercises_question(op), kQuestion, kListTitle, this) ==
            vb::vbYes)
            menEditor_Click(op);
        return;
    }

    modSorvinel.screen_state = ScreenState::FileList;
    for (int i = 0; i <= menu_item::DrillTypeMainMenu; ++i)
        labMenyVal[i]->hide();

    const VbShape *frame = shaRam[ram::Menu];
    labFilnamn->setForeColor(labTal[tal::First]->ForeColor());
    labFilnamn->setFont(labMenyVal[0]->font());
    labFilnamn->setFontBold(false);
    file_index = 0;
    labFilnamn->setCaption(file_display_name());
    labFilnamn_Change();
    // The height follows the text; the width stays the frame's, the name centred in it.
    labFilnamn->setAutoSize(true);
    labFilnamn->setAutoSize(false);
    labFilnamn->setWidth(frame->Width());
    labFilnamn->setLeft(frame->Left());
    labFilnamn->setTop(frame->Top() + (frame->Height() - labFilnamn->Height()) / 2);
    labFilnamn->show();
    labFilnamn->raise();

    if (modSorvinel.speech_on_for_screen())
        modSorvinel.speak_text(labFilnamn->Caption());
    if (modSorvinel.screen_reader_text_on)
        modSorvinel.show_screen_reader_text(filSorvinel.List(file_index).toLower(), true);

    show_picture(picUpp, imaKnapp[knapp::Up]);
    show_picture(picNer, imaKnapp[knapp::Down]);
    picUpp->setTop(labFilnamn->Top() - picUpp->Height());
    picUpp->setLeft(frame->Left() + (frame->Width() - picUpp->Width()) / 2);
    picNer->setTop(labFilnamn->Top() + labFilnamn->Height());
    picNer->setLeft(picUpp->Left());
    const bool several = filSorvinel.ListCount() > 1;
    for (VbLabel *arrow : {picUpp, picNer}) {
        arrow->setVisible(several);
        arrow->raise();
    }
}

QString frmSorvinel::file_display_name() const {
    return drill::exercise_display_name(filSorvinel.List(file_index));
}

void frmSorvinel::labFilnamn_Change() {
    if (modSorvinel.beep_on)
        platform::beep();
}

namespace {
// The shown name after a step: written, beeped, spoken and given to the reader field.
void show_stepped_name(frmSorvinel &w) {
    const QString name = w.file_display_name();
    if (w.labFilnamn->Caption() != name) {
        w.labFilnamn->setCaption(name);
        w.labFilnamn_Change();
    }
    if (modSorvinel.speech_on_for_screen())
        modSorvinel.speak_text(name);
    if (modSorvinel.screen_reader_text_on)
        modSorvinel.show_screen_reader_text(w.filSorvinel.List(w.file_index).toLower(), true);
}
} // namespace

void frmSorvinel::picNer_MouseDown() {
    if (modSorvinel.screen_state != ScreenState::FileList)
        return;
    picNer->setPixmap(imaKnapp[knapp::DownPressed]);
    file_index = drill::next_file_index(file_index, filSorvinel.ListCount());
    show_stepped_name(*this);
}

void frmSorvinel::picNer_MouseUp() {
    picNer->setPixmap(imaKnapp[knapp::Down]);
}

void frmSorvinel::picUpp_MouseDown() {
    if (modSorvinel.screen_state != ScreenState::FileList)
        return;
    picUpp->setPixmap(imaKnapp[knapp::UpPressed]);
    file_index = drill::previous_file_index(file_index, filSorvinel.ListCount());
    show_stepped_name(*this);
}

void frmSorvinel::picUpp_MouseUp() {
    picUpp->setPixmap(imaKnapp[knapp::Up]);
}

void frmSorvinel::jump_to_file_by_letter(int keyCode) {
    const std::optional<QChar> c = drill::file_jump_character(keyCode);
    if (!c)
        return;
    const int steps = drill::file_jump_steps(filSorvinel.entries(), file_index, *c);
    for (int i = 0; i < steps; ++i) {
        picNer_MouseDown();
        picNer_MouseUp();
    }
    for (int i = 0; i > steps; --i) {
        picUpp_MouseDown();
        picUpp_MouseUp();
    }
}

void frmSorvinel::labFilnamn_Click() {
    open_chosen_exercise();
}

void frmSorvinel::open_chosen_exercise() {
    labFilnamn->hide();
    picUpp->hide();
    picNer->hide();
    if (labFilnamn->Caption().isEmpty()) {
        show_drill_type_items();
        return;
    }
    // The entry itself, whatever the case of its name.
    const QString path =
        drill::exercise_entry_path(filSorvinel.path(), filSorvinel.List(file_index));
    if (modSorvinel.screen_reader_text_on)
        modSorvinel.show_screen_reader_text(QString());
    load_exercise_file(path, false);
}

void frmSorvinel::menOevningar_Click(Operation operation) {
    // A drill starts only from the main menu, never on top of another one.
    if (modSorvinel.screen_state != ScreenState::MainMenu)
        return;
    exercise_dialog_operation = operation;
    open_exercise_dialog(true);
}

void frmSorvinel::open_exercise_dialog(bool show_dialog) {
    platform::FileDialogRequest request;
    request.title = kOpenTitle;
    request.filter = exercises::open_dialog_filter();
    request.filter_index = index_of(exercise_dialog_operation) + 1;
    request.folder = modSorvinel.exercise_folder;
    const QString path = platform::open_file_dialog(request, this);
    // A cancelled dialog does nothing.
    if (path.isEmpty())
        return;
    load_exercise_file(path, show_dialog);
}

namespace {
// The list as it was before the chosen file failed: another one can be chosen.
void show_list_again(frmSorvinel &w) {
    w.labFilnamn->show();
    if (modSorvinel.screen_reader_text_on)
        modSorvinel.show_screen_reader_text(w.filSorvinel.List(w.file_index).toLower(), true);
    const bool several = w.filSorvinel.ListCount() > 1;
    w.picUpp->setVisible(several);
    w.picNer->setVisible(several);
}
} // namespace

bool frmSorvinel::load_exercise_file(const QString &path, bool from_dialog) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const drill::LoadedExercise loaded = drill::read_exercise_for_drill(path);
    QApplication::restoreOverrideCursor();

    const int n = int(loaded.tasks.size());
    if (loaded.failed || n < modSorvinel.min_task_count) {
        if (loaded.failed)
            platform::msg_box(kReadError, kNotice, kListTitle, this);
        else if (from_dialog)
            platform::msg_box(drill::too_few_tasks_text(path, n, modSorvinel.min_task_count),
                              kNotice, kListTitle, this);
        else
            show_message(kTooFewTasks, MessageKind::Notice);
        if (!from_dialog)
            show_list_again(*this);
        return false;
    }

    menVal->setEnabled(false);
    menAvbryt->setEnabled(true);
    modSorvinel.current_operation = loaded.operation;
    labMeny->setCaption(ModSorvinel::operation_name(loaded.operation));
    if (loaded.left_out > 0)
        platform::msg_box(exercises::tasks_left_out_text(loaded.left_out), kNotice, kOpenTitle,
                          this);

    drill::store_loaded_tasks(modSorvinel, loaded.tasks);
    if (from_dialog) {
        const int style = kQuestion + (modSorvinel.random_order ? 0 : vb::vbDefaultButton2);
        shuffle_loaded_file =
            platform::msg_box(kShuffleQuestion, style,
                              kOpenTitle + u' ' + ModSorvinel::path_file_name(path),
                              this) == vb::vbYes;
    } else {
        shuffle_loaded_file = modSorvinel.random_order;
    }
    if (shuffle_loaded_file)
        make_random_order(n, true);
    else
        drill_session().set_prepared_tasks(drill::copy_in_stored_order(modSorvinel, n));
    // Records belong to "Till 10:an" drills only.
    modSorvinel.record_drill_active = false;
    start_drill();
    return true;
}
