#pragma once
// Open and save file dialogs with the program's filters, start folder and title; an empty
// result means the user cancelled. Tests script the results instead of showing a dialog.

#include <QString>
#include <deque>
#include <functional>
#include <vector>

class QWidget;

namespace platform {

struct FileDialogRequest {
    QString title;
    // Pairs of description and patterns, all separated by "|":
    // "Addition (*.add)|*.add|Alla|*.add;*.sub". Patterns within a pair are separated by ";".
    QString filter;
    int filter_index = 1; // 1-based entry shown first
    QString folder;
    QString file_name;
    // Save: the path that will really be written for a chosen one (the caller may add an
    // extension); an existing file there is named in the overwrite question. Empty: as chosen.
    std::function<QString(const QString &)> target_for;
};

// The chosen existing file, or "" when cancelled. "Alla filer (*)" is offered after the
// request's filters, and a typed name of any existing file is taken whatever the filter.
QString open_file_dialog(const FileDialogRequest &request, QWidget *parent = nullptr);
// The chosen name as typed (before target_for), or "" when cancelled. When the target
// exists the user is asked whether to replace it; "Nej" shows the dialog again.
QString save_file_dialog(const FileDialogRequest &request, QWidget *parent = nullptr);

// Qt's name filters for a request's filter ("Addition (*.add)", "Alla (*.add *.sub)").
std::vector<QString> qt_name_filters(const QString &filter);

// Tests: while a script is set, no dialog is shown; each call is recorded and takes the
// next result ("" = cancel, also when the script has run dry). The overwrite question
// still goes through platform::msg_box.
enum class FileDialogKind { Open, Save };
struct FileDialogCall {
    FileDialogKind kind;
    FileDialogRequest request;
};
void script_file_dialogs(std::deque<QString> results);
void stop_file_dialog_script();
const std::vector<FileDialogCall> &file_dialog_calls();

} // namespace platform
