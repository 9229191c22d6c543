#include "settings/frmSorvinelHandledning.h"

#include "platform/print_dialog.h"
#include "platform/read_only_text.h"
#include "platform/speech.h"
#include "platform/system.h"
#include "platform/vb.h"
#include "settings/guide_print.h"
#include "shared/modSorvinel.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcutEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Qt clicks a button on its Alt key only after showing it pressed for 100 ms; reading aloud
// starts at once, and the button shows it was pressed afterwards.
class ClickAtOnce final : public QObject {
public:
    explicit ClickAtOnce(QAbstractButton *button) : QObject(button), button_(button) {
        button->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched != button_ || event->type() != QEvent::Shortcut ||
            static_cast<QShortcutEvent *>(event)->isAmbiguous())
            return false;
        button_->click();
        button_->setDown(true);
        QTimer::singleShot(kPressedLookMs, button_, [b = button_] { b->setDown(false); });
        return true;
    }

private:
    static constexpr int kPressedLookMs = 100;
    QAbstractButton *button_;
};

const QString kGuideResource = QStringLiteral(":/handledning.txt");
const QString kTextFont = QStringLiteral("Arial");
constexpr double kSmallPoints = 12;
constexpr double kPointsPerStep = 8;
constexpr int kTextWidthPx = 620;
constexpr int kTextHeightPx = 440;
constexpr int kTextRaisePx = 20;
constexpr double kSizeButtonWidth = 735;  // twips
constexpr double kSizeButtonHeight = 495; // twips
constexpr double kSizeButtonGap = 20;     // twips above the text
constexpr double kReadButtonWidth = 2895; // twips
constexpr QChar kParagraphSeparator = QChar(0x2029);

QFont font_of(double points) {
    QFont f(kTextFont);
    f.setPointSizeF(points);
    return f;
}

} // namespace

frmSorvinelHandledning::frmSorvinelHandledning(QWidget *owner, const QColor &back_colour)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setModal(true);
    setWindowTitle(QStringLiteral("Sorvinel - Handledning"));
    create_controls();
    Form_Load(back_colour);
}

QString frmSorvinelHandledning::guide_text() {
    QFile file(kGuideResource);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void frmSorvinelHandledning::create_controls() {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    menu_bar = new QMenuBar(this);
    layout->setMenuBar(menu_bar);
    form = new QWidget(this);
    form->setAutoFillBackground(true);
    layout->addWidget(form);

    txtHandledning = new QPlainTextEdit(form);
    txtHandledning->setReadOnly(true);
    // Read-only still lets the keyboard move and mark text for reading aloud.
    txtHandledning->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                            Qt::TextSelectableByKeyboard);
    txtHandledning->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtHandledning->setFont(font_of(kSmallPoints));
    txtHandledning->setPlainText(guide_text());
    platform::read_only_for_readers(txtHandledning);
    txtHandledning->hide();

    for (int i = 0; i < kSizeButtons; ++i) {
        comStorlek[std::size_t(i)] = new QPushButton(QStringLiteral("T"), form);
        comStorlek[std::size_t(i)]->setFont(font_of(kSmallPoints + kPointsPerStep * i));
        comStorlek[std::size_t(i)]->setAutoDefault(false);
        connect(comStorlek[std::size_t(i)], &QPushButton::clicked, this,
                [this, i] { comStorlek_Click(i); });
    }
    comStorlek[0]->setToolTip(QStringLiteral("Minska teckenstorleken"));
    comStorlek[1]->setToolTip(QStringLiteral("Öka teckenstorleken"));
    comStorlek[0]->hide();

    cmdLaes = new QPushButton(form);
    cmdLaes->setAutoDefault(false);
    cmdLaes->hide();
    connect(cmdLaes, &QPushButton::clicked, this, [this] { cmdLaes_Click(); });
    new ClickAtOnce(cmdLaes);

    menArkiv = menu_bar->addMenu(QStringLiteral("&Arkiv"));
    menSkrivUt = menArkiv->addAction(QStringLiteral("Skriv &ut"));
    menSkrivUt->setShortcut(QKeySequence(Qt::Key_F2));
    l1 = menArkiv->addSeparator();
    menStaeng = menArkiv->addAction(QStringLiteral("&Stäng"));
    menStaeng->setShortcut(QKeySequence(Qt::Key_F1));
    menSkrivUt->setVisible(false);
    l1->setVisible(false);
    connect(menSkrivUt, &QAction::triggered, this, [this] { menSkrivUt_Click(); });
    connect(menStaeng, &QAction::triggered, this, [this] { menStaeng_Click(); });
}

void frmSorvinelHandledning::Form_Load(const QColor &back_colour) {
    if (back_colour.isValid()) {
        QPalette p = form->palette();
        p.setColor(QPalette::Window, back_colour);
        form->setPalette(p);
    }
    const platform::ScreenMetrics screen = platform::screen_metrics();
    setGeometry(0, 0, screen.width_px, screen.height_px);
    layout()->activate();

    const int area_w = form->width() > 0 ? form->width() : screen.width_px;
    const int area_h = form->height() > 0 ? form->height() : screen.height_px;
    const int text_left = (area_w - kTextWidthPx) / 2;
    const int text_top = (area_h - kTextHeightPx) / 2 - kTextRaisePx;
    txtHandledning->setGeometry(text_left, text_top, kTextWidthPx, kTextHeightPx);

    const int button_w = vb::twips_to_px_x(kSizeButtonWidth);
    const int button_h = vb::twips_to_px_y(kSizeButtonHeight);
    const int button_top = text_top - vb::twips_to_px_y(kSizeButtonGap) - button_h;
    for (QPushButton *b : comStorlek)
        b->setGeometry(text_left, button_top, button_w, button_h);

    txtHandledning->show();
    menSkrivUt->setVisible(true);
    l1->setVisible(true);

    if (modSorvinel.speech_available) {
        const int read_w = vb::twips_to_px_x(kReadButtonWidth);
        cmdLaes->setGeometry(text_left + (kTextWidthPx - read_w) / 2, button_top, read_w, button_h);
        cmdLaes->setText(QStringLiteral("&Läs upp markerat stycke"));
        cmdLaes->show();
    }
}

void frmSorvinelHandledning::comStorlek_Click(int index) {
    txtHandledning->setFont(font_of(kSmallPoints + kPointsPerStep * index));
    comStorlek[0]->setVisible(index == 1);
    comStorlek[1]->setVisible(index == 0);
    comStorlek[std::size_t((index + 1) % kSizeButtons)]->setFocus();
}

void frmSorvinelHandledning::cmdLaes_Click() {
    if (!speech_control)
        return;
    speech_control->stop();
    QTextCursor marked = txtHandledning->textCursor();
    const QString text = marked.selectedText().replace(kParagraphSeparator, u'\n');
    if (!text.isEmpty())
        speech_control->speak(text);
    txtHandledning->setFocus();
    txtHandledning->setTextCursor(marked);
}

void frmSorvinelHandledning::menSkrivUt_Click() {
    platform::print_with_dialog(this, [this](QPrinter &printer) {
        return guide::print_guide(printer, txtHandledning->toPlainText(), txtHandledning->font());
    });
}

void frmSorvinelHandledning::menStaeng_Click() {
    reject();
}

void frmSorvinelHandledning::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    if (modSorvinel.speech_available && speech_control)
        speech_control->stop();
    speech_control = nullptr;
}

void frmSorvinelHandledning::done(int result) {
    Form_Unload();
    QDialog::done(result);
}
