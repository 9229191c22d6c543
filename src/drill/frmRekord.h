#pragma once
// The record list: the best time of an error-free "Till 10:an" drill per operation, as the
// shared module holds it in memory. It only reads; the reward window sets records.

#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class QPushButton;

class frmRekord : public QDialog {
    Q_OBJECT
public:
    static constexpr int kOperations = 5;
    static inline const QString kNotSet = QStringLiteral("Ej satt!");

    explicit frmRekord(QWidget *parent = nullptr);

    QLabel *imaRekord = nullptr;
    std::array<QLabel *, kOperations> labTitel{};
    std::array<QLabel *, kOperations> labRekord{};
    QPushButton *Command1 = nullptr;

    void Form_Load();
    void Command1_Click();

    // What one line shows for a record of `seconds` (0: none set).
    static QString record_text(long seconds);
};
