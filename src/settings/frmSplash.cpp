#include "settings/frmSplash.h"
#include "settings/maker_notices.h"
#include "shared/modSorvinel.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace {
constexpr int kTickMs = 1000;
constexpr int kLastTick = 2; // closes when the count passes this
constexpr int kGrey = 224;
constexpr int kWidthPx = 520;
constexpr int kHeightPx = 260;
constexpr int kMargin = 16;
constexpr QSize kLogoSize(122, 155);
constexpr double kTitlePt = 32;
constexpr double kVersionPt = 12;
constexpr double kNoticePt = 8.25;

QFont arial(double points, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}
} // namespace

frmSplash::frmSplash(QWidget *parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setModal(true);
    setFixedSize(kWidthPx, kHeightPx);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(kGrey, kGrey, kGrey));
    setPalette(p);
    setAutoFillBackground(true);

    Frame1 = new QFrame(this);
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setGeometry(rect().adjusted(4, 4, -4, -4));

    imgLogo = new QLabel(Frame1);
    imgLogo->setPixmap(QPixmap(":/logo.svg").scaled(kLogoSize));
    imgLogo->setGeometry(QRect(QPoint(kMargin, kMargin), kLogoSize));

    const int textLeft = kMargin * 2 + kLogoSize.width();
    const int textWidth = Frame1->width() - textLeft - kMargin;
    lblProductName = new QLabel(Frame1);
    lblProductName->setFont(arial(kTitlePt, true));
    lblProductName->setGeometry(textLeft, kMargin, textWidth, 60);
    lblVersion = new QLabel(Frame1);
    lblVersion->setFont(arial(kVersionPt, true));
    lblVersion->setGeometry(textLeft, kMargin + 64, textWidth, 24);
    lblCopyright = new QLabel(Frame1);
    lblCopyright->setFont(arial(kNoticePt, false));
    lblCopyright->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblCopyright->setGeometry(textLeft, 130, textWidth, 18);
    lblCompany = new QLabel(maker::kCompany, Frame1);
    lblCompany->setFont(arial(kNoticePt, false));
    lblCompany->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblCompany->setGeometry(textLeft, 150, textWidth, 34);
    lblWarning = new QLabel(maker::kWarning, Frame1);
    lblWarning->setFont(arial(kNoticePt, false));
    lblWarning->adjustSize();
    lblWarning->move(0, Frame1->height() - lblWarning->height() - kMargin / 2);

    for (QWidget *w : {static_cast<QWidget *>(Frame1), static_cast<QWidget *>(imgLogo),
                       static_cast<QWidget *>(lblProductName), static_cast<QWidget *>(lblVersion),
                       static_cast<QWidget *>(lblCopyright), static_cast<QWidget *>(lblCompany),
                       static_cast<QWidget *>(lblWarning)})
        w->installEventFilter(this);

    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

    if (QScreen *s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
    Form_Load();
}

void frmSplash::Form_Load() {
    splash_ticks = 0;
    lblVersion->setText(QString("Version %1.%2").arg(kVersionMajor).arg(kVersionMinor));
    lblProductName->setText(kApplicationTitle);
    lblWarning->move((Frame1->width() - lblWarning->width()) / 2, lblWarning->y());
    lblCopyright->setText(maker::kRightsNotice);
    Timer1->start(kTickMs);
}

void frmSplash::Timer1_Timer() {
    ++splash_ticks;
    if (splash_ticks > kLastTick)
        accept();
}

void frmSplash::Form_Unload() {
    Timer1->stop();
    modSorvinel.park_mouse_pointer();
}

void frmSplash::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    QDialog::done(result);
}

bool frmSplash::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmSplash::keyPressEvent(QKeyEvent *event) {
    // Only a key that types a character closes the window (Esc included, as it types one).
    if (!event->text().isEmpty())
        accept();
}

void frmSplash::mousePressEvent(QMouseEvent *) {
    accept();
}
