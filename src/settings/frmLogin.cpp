#include "settings/frmLogin.h"
#include "platform/message_box.h"
#include "platform/vb.h"
#include "shared/assets.h"
#include "shared/modSorvinel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// Design geometry in twips.
constexpr double kClientWidth = 3840, kClientHeight = 1560;
constexpr double kLabelLeft = 105, kLabelWidth = 1080;
constexpr double kFieldLeft = 1290, kFieldWidth = 2325, kRowHeight = 345;
constexpr double kNameTop = 135, kPasswordTop = 540;
constexpr double kButtonTop = 1020, kButtonWidth = 1140, kButtonHeight = 390;
constexpr double kOKLeft = 495, kCancelLeft = 2100;
constexpr int kNameRow = 0, kPasswordRow = 1;
// Every character of the pass word shows as this one.
constexpr char16_t kMaskCharacter = u'*';
} // namespace

frmLogin::frmLogin(QWidget *parent) : QDialog(parent) {
    setModal(true);
    setFixedSize(vb::twips_to_px_x(kClientWidth), vb::twips_to_px_y(kClientHeight));

    imaRekord = new QLabel(this);
    imaRekord->setScaledContents(true);

    lblLabels[kNameRow] = new QLabel(QStringLiteral("&Användare:"), this);
    txtUserName = new QLineEdit(this);
    lblLabels[kPasswordRow] = new QLabel(QStringLiteral("&Lösenord:"), this);
    txtPassword = new QLineEdit(this);
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setStyleSheet(
        QStringLiteral("lineedit-password-character: %1;").arg(int(kMaskCharacter)));
    lblLabels[kNameRow]->setBuddy(txtUserName);
    lblLabels[kPasswordRow]->setBuddy(txtPassword);
    lblLabels[kNameRow]->setGeometry(vb::twips_rect(kLabelLeft, kNameTop, kLabelWidth, kRowHeight));
    txtUserName->setGeometry(vb::twips_rect(kFieldLeft, kNameTop, kFieldWidth, kRowHeight));
    lblLabels[kPasswordRow]->setGeometry(
        vb::twips_rect(kLabelLeft, kPasswordTop, kLabelWidth, kRowHeight));
    txtPassword->setGeometry(vb::twips_rect(kFieldLeft, kPasswordTop, kFieldWidth, kRowHeight));

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdCancel = new QPushButton(QStringLiteral("&Avbryt"), this);
    cmdOK->setGeometry(vb::twips_rect(kOKLeft, kButtonTop, kButtonWidth, kButtonHeight));
    cmdCancel->setGeometry(vb::twips_rect(kCancelLeft, kButtonTop, kButtonWidth, kButtonHeight));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });

    setTabOrder(txtUserName, txtPassword);
    setTabOrder(txtPassword, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
}

void frmLogin::setVisible(bool visible) {
    // Loaded once, on its first showing; later showings find it as it was hidden.
    if (visible && !loaded_)
        Form_Load();
    QDialog::setVisible(visible);
}

void frmLogin::Form_Load() {
    loaded_ = true;
    show_background(imaRekord, size());
    set_lock_caption();
    move(int((vb::twips_to_px_x(double(modSorvinel.screen_width)) - width()) / 2),
         int((vb::twips_to_px_y(modSorvinel.screen_height) - height()) / 2));
    txtUserName->setFocus();
}

void frmLogin::set_lock_caption() {
    if (const std::optional<QString> caption =
            settings_lock::lock_caption(modSorvinel.settings_lock_state))
        setWindowTitle(*caption);
}

void frmLogin::refuse(QLineEdit *field, const QString &message, int icon) {
    platform::msg_box(message, vb::vbOKOnly | icon, windowTitle(), this);
    field->setFocus();
    field->selectAll();
}

void frmLogin::cmdOK_Click() {
    using settings_lock::Verdict;
    const int state = modSorvinel.settings_lock_state;
    switch (check_.check(state, txtPassword->text(), txtUserName->text())) {
    case Verdict::TryAgain:
        refuse(txtPassword, QStringLiteral("Ogiltigt lösenord, försök igen!"), vb::vbInformation);
        return;
    case Verdict::TooManyWrong:
        platform::msg_box(QStringLiteral("Ogiltigt lösenord!"), vb::vbOKOnly | vb::vbInformation,
                          windowTitle(), this);
        locked_out_ = true;
        QDialog::reject();
        return;
    case Verdict::NameNotFull:
        refuse(txtUserName, QStringLiteral("Ange både för och efternamn."), vb::vbExclamation);
        return;
    case Verdict::Toggle:
        break;
    }
    ok_pressed = true;
    modSorvinel.settings_lock_state = settings_lock::toggled(state);
    set_lock_caption();
    // The lock holds for this run even when the file cannot keep it; the user is told.
    if (!settings_lock::store_lock(modSorvinel.settings_lock_state, txtUserName->text(),
                                   settings_lock::lock_time_text(QDateTime::currentDateTime())))
        platform::msg_box(kSettingsWriteError, vb::vbOKOnly | vb::vbInformation, windowTitle(),
                          this);
    accept();
}

void frmLogin::cmdCancel_Click() {
    ok_pressed = false;
    QDialog::reject();
}

void frmLogin::reject() {
    cmdCancel_Click();
}
