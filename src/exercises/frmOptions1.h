#pragma once
// The print options: the task size and the order of a worksheet, kept in the settings
// store's "Utskrift" section and read by the print command each time it runs.

#include <QDialog>
#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;
class QTabBar;

class frmOptions1 : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSizeCount = 3;
    static constexpr int kOrderCount = 2;
    static constexpr int kPrintPage = 1;

    explicit frmOptions1(QWidget *parent = nullptr);

    QTabBar *tbsOptions = nullptr;
    QWidget *picOptions = nullptr;
    QGroupBox *fraTeckensnitt = nullptr;
    std::array<QRadioButton *, kSizeCount> optTeckensnitt{};
    QGroupBox *fraOrdning = nullptr;
    std::array<QRadioButton *, kOrderCount> optOrdning{};
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdApply = nullptr;

    void Form_Load();
    // Writes the options of `page` that differ from the shared variables; only page 1 exists.
    void save_print_options(int page);
    // Saves the page and says so when the settings file could not take it.
    void store_print_options();
    void cmdOK_Click();
    void cmdApply_Click();
    void cmdCancel_Click();

private:
    void create_controls();
};
