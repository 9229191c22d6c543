// The on-screen menus: the main menu, the drill-type menu, what a chosen item does in each
// menu, and the highlighted item that is marked, spoken and written for screen readers.
#include "drill/drill_keys_logic.h"
#include "drill/frmSorvinel.h"
#include "drill/frmSorvinel_elements.h"
#include "platform/system.h"
#include "platform/vb.h"
#include "shared/modSorvinel.h"

#include <QAction>
#include <QMenu>

namespace {
const QString kMainHeading = QStringLiteral("Tabellövning");
const QString kMainMenuItems[] = {QStringLiteral("Addition"),       QStringLiteral("Subtraktion"),
                                  QStringLiteral("Multiplikation"), QStringLiteral("Division"),
                                  QStringLiteral("Blandat"),        QStringLiteral("Sluta")};
const QString kDrillTypeItems[] = {QStringLiteral("Till 10:an"), QStringLiteral("Eget urval"),
                                   QStringLiteral("Övningar"), QStringLiteral("Huvudmeny"),
                                   QString()};
constexpr int kMenuGaps = menu_item::Count + 1;
constexpr int kDrillTypeShown = 4;
// "Sluta" is known by its second letter: "S" belongs to "Subtraktion".
constexpr int kQuitLetter = 1;
// Items of the drill-type menu and of the end menu.
// The border strips are a fiftieth of the screen height thick.
constexpr double kStripsPerScreenHeight = 50;
constexpr double kFrameHeightShare = 2.0 / 3.0;
constexpr double kFrameTopShare = 1.0 / 5.0;
} // namespace

void frmSorvinel::show_main_menu() {
    modSorvinel.screen_state = ScreenState::MainMenu;
    labMeny->setCaption(kMainHeading);
    labMeny->show();
    menAvbryt->setEnabled(false);
    modSorvinel.record_drill_active = false;
    drill_running = false;

    for (VbLabel *l : labFakta)
        l->hide();

    VbShape *frame = shaRam[ram::Menu];
    for (int i = 0; i < menu_item::Count; ++i) {
        VbLabel *item = labMenyVal[i];
        wire_menu_item(i);
        item->hide();
        item->setCaption(kMainMenuItems[i]);
        item->setToolTip(
            drill::menu_tooltip(kMainMenuItems[i], i == menu_item::Quit ? kQuitLetter : 0));
        if (i == 0) {
            frame->setTop(modSorvinel.screen_height * kFrameTopShare);
            frame->setHeight(shaRam[ram::Outer]->Height() * kFrameHeightShare);
        }
        const double h = labMenyVal[0]->Height();
        const double span = frame->Height();
        item->setTop((span - menu_item::Count * h) * (i + 1) / kMenuGaps + i * h + frame->Top());
        item->setLeft(frame->Left() + (frame->Width() - item->Width()) / 2);
        item->show();
        item->raise();
    }

    // The four strips frame the menu: top, right, bottom, left.
    const double t =
        platform::screen_metrics().height_px * vb::twips_per_pixel_y() / kStripsPerScreenHeight;
    const double L = frame->Left(), T = frame->Top(), W = frame->Width(), H = frame->Height();
    const auto place = [](VbLabel *strip, double left, double top, double width, double height) {
        strip->setWidth(width);
        strip->setHeight(height);
        strip->move_to(left, top);
    };
    if (imaMeny.count() > 3) {
        place(imaMeny[0], L, T - t, W, t);
        place(imaMeny[1], L + W, T, t, H);
        place(imaMeny[2], L, T + H, W, t);
        place(imaMeny[3], L - imaMeny[1]->Width(), T, t, H);
    }
    show_menu_images();

    shaRam[ram::Outer]->raise();
    frame->show();
    frame->stackUnder(labMenyVal[0]);

    current_menu_item = 0;
    highlight_menu_item(current_menu_item);
    board_key = 0;
}

void frmSorvinel::wire_menu_item(int index) {
    VbLabel *item = labMenyVal[index];
    // Once per label, however often the menu is shown.
    disconnect(item, &VbLabel::clicked, this, nullptr);
    disconnect(item, &VbLabel::mouseMoved, this, nullptr);
    connect(item, &VbLabel::clicked, this, [this, index] { labMenyVal_Click(index); });
    connect(item, &VbLabel::mouseMoved, this, [this, index] { labMenyVal_MouseMove(index); });
}

void frmSorvinel::show_drill_type_menu(const QString &caption) {
    modSorvinel.screen_state = ScreenState::DrillTypeMenu;
    labMeny->setCaption(caption);
    menAvbryt->setEnabled(true);
    const VbShape *frame = shaRam[ram::Menu];
    for (int i = 0; i < menu_item::Count; ++i) {
        VbLabel *item = labMenyVal[i];
        item->hide();
        if (i < kDrillTypeShown + 1)
            item->setCaption(kDrillTypeItems[i]);
        if (i < kDrillTypeShown) {
            item->setToolTip(drill::menu_tooltip(kDrillTypeItems[i]));
            item->setLeft(frame->Left() + (frame->Width() - item->Width()) / 2);
        }
    }
    show_drill_type_items();
    shaRam[ram::Menu]->show();
    shaRam[ram::Outer]->raise();
    current_menu_item = 0;
    highlight_menu_item(current_menu_item);
}

void frmSorvinel::show_drill_type_items() {
    modSorvinel.screen_state = ScreenState::DrillTypeMenu;
    for (int i = 0; i < kDrillTypeShown; ++i) {
        const bool offered =
            !(i == menu_item::OwnSelection && modSorvinel.current_operation == Operation::Blandat);
        labMenyVal[i]->setVisible(offered);
        if (offered)
            labMenyVal[i]->raise();
    }
}

void frmSorvinel::select_till10_from_menu(Operation operation, int &item) {
    modSorvinel.screen_state = ScreenState::DrillTypeMenu;
    menVal->setEnabled(false);
    menAvbryt->setEnabled(true);
    labMeny->setCaption(labMenyVal[index_of(operation)]->Caption());
    modSorvinel.current_operation = operation;
    labMenyVal_Click(item);
}

void frmSorvinel::labMenyVal_Click(int index) {
    switch (modSorvinel.screen_state) {
    case ScreenState::MainMenu:
        // The first five items are the operations, in their order.
        if (const std::optional<Operation> op = operation_at(index)) {
            modSorvinel.current_operation = *op;
            show_drill_type_menu(ModSorvinel::operation_name(*op));
        } else if (index == menu_item::Quit) {
            close();
        }
        break;
    case ScreenState::DrillTypeMenu:
        if (index == menu_item::Till10) {
            modSorvinel.task_count = drill::till10_task_count(modSorvinel.current_operation);
            generate_selection_tasks(drill::kTill10Low, drill::kTill10High, drill::kTill10Low,
                                     drill::kTill10High, modSorvinel.task_count);
            modSorvinel.record_drill_active = modSorvinel.check_records;
            start_drill();
        } else if (index == menu_item::OwnSelection) {
            show_selection_panel();
        } else if (index == menu_item::Exercises) {
            show_exercise_list();
        } else if (index == menu_item::DrillTypeMainMenu) {
            labMeny->setCaption(kMainHeading);
            show_main_menu();
        }
        break;
    case ScreenState::EndMenu:
        if (index == menu_item::Time) {
            visa_tid();
        } else if (index == menu_item::OnceMore) {
            hide_result_labels();
            make_random_order(drill_session().drill_task_count(), true);
            start_drill();
        } else if (index == menu_item::EndMainMenu) {
            hide_result_labels();
            labMeny->setCaption(kMainHeading);
            show_main_menu();
        }
        break;
    default:
        break;
    }
}

void frmSorvinel::labMenyVal_MouseMove(int index) {
    if (index == current_menu_item)
        return;
    current_menu_item = index;
    highlight_menu_item(current_menu_item);
}

void frmSorvinel::highlight_menu_item(int item) {
    if (item < 0 || item >= menu_item::Count)
        return;
    const unsigned text_colour = labTal[tal::First]->ForeColor();
    VbLabel *current = labMenyVal[item];
    // Only the current item is bold in the text colour; repaint when that is not so yet.
    if (current->ForeColor() != text_colour || !current->font().bold()) {
        const VbShape *frame = shaRam[ram::Menu];
        for (int i = 0; i < menu_item::Count; ++i) {
            VbLabel *l = labMenyVal[i];
            l->setForeColor(i == item ? text_colour : modSorvinel.dim_colour);
            l->setFontBold(i == item);
            l->setLeft(frame->Left() + (frame->Width() - l->Width()) / 2);
        }
    }

    QString text;
    if (!spoken_prefix.isEmpty()) {
        text = spoken_prefix + u'.';
        spoken_prefix.clear();
    }
    text += current->Caption();
    if (modSorvinel.screen_reader_text_on)
        modSorvinel.show_screen_reader_text(text, true);
    if (modSorvinel.speech_on_for_screen())
        modSorvinel.speak_text(text);
}

int frmSorvinel::menu_item_for_key(int keyCode, int &item) const {
    std::vector<QChar> hot_keys;
    for (int i = 0; i < menu_item::Count; ++i)
        hot_keys.push_back(drill::hot_key_of_tooltip(labMenyVal[i]->toolTip()));
    const bool time_gone =
        modSorvinel.screen_state == ScreenState::EndMenu && labMenyVal[menu_item::Time]->isHidden();
    const auto found =
        drill::hot_key_item(keyCode, modSorvinel.screen_state, hot_keys, time_gone ? 1 : 0);
    if (!found)
        return -1;
    item = *found;
    return keyCode;
}

void frmSorvinel::hide_menu_images() {
    for (VbLabel *strip : imaMeny)
        strip->hide();
}

void frmSorvinel::show_menu_images() {
    for (VbLabel *strip : imaMeny) {
        strip->show();
        strip->raise();
    }
}

void frmSorvinel::hide_result_labels() {
    labResultat[result::Line]->hide();
    labResultat[result::Time]->hide();
}
