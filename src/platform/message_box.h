#pragma once
// Message boxes with the program's styles and Swedish buttons; scripted answers in tests.

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

class QWidget;

namespace vb {
// Styles as the program passes them (sums of these).
constexpr int vbOKOnly = 0;
constexpr int vbOKCancel = 1;
constexpr int vbYesNoCancel = 3;
constexpr int vbYesNo = 4;
constexpr int vbCritical = 16;
constexpr int vbQuestion = 32;
constexpr int vbExclamation = 48;
constexpr int vbInformation = 64;
constexpr int vbDefaultButton2 = 256;
constexpr int vbDefaultButton3 = 512;
// Answers.
constexpr int vbOK = 1;
constexpr int vbCancel = 2;
constexpr int vbYes = 6;
constexpr int vbNo = 7;
} // namespace vb

namespace platform {

// Shows a message box and returns the answer (vb::vbOK, vbYes, vbNo, vbCancel).
// An empty title gives the application title.
int msg_box(const QString &prompt, int style, const QString &title = {}, QWidget *parent = nullptr);

// Tests: while a script is set, msg_box shows nothing, records the call and pops the next
// answer (the default button when the script has run dry).
struct MsgBoxCall {
    QString prompt;
    int style;
    QString title;
};
void script_msg_box(std::deque<int> answers);
void stop_msg_box_script();
const std::vector<MsgBoxCall> &msg_box_calls();

} // namespace platform
