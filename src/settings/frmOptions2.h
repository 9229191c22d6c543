#pragma once
// The settings dialog "Inställning": six pages under a tab strip, filled from the shared
// settings when it is shown. OK applies every page, "Utför" the tab on show, "Avbryt"
// (also Esc and the close box) applies nothing. In the locked and view-only states it shows
// the settings and lets nothing change. Member functions are split by page over
// frmOptions2_*.cpp; what a page writes is in settings_pages.
//
// Created anew for every opening: construct, set `speech_control`, exec().

#include "platform/controls.h"
#include "platform/twips_geometry.h"
#include "settings/settings_pages.h"

#include <QDialog>
#include <QListWidget>
#include <QPointer>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabBar;
class SpeechEngine;

// A colour sample: a framed box in its scheme's colours with its caption; clickable. Placed
// in twips.
class SampleFrame : public QWidget, public TwipsGeometry {
    Q_OBJECT
public:
    explicit SampleFrame(QWidget *parent = nullptr);
    void setCaption(const QString &caption);
    QString Caption() const { return caption_; }
    void setColours(unsigned back, unsigned fore);
    unsigned BackColor() const { return back_; }
    unsigned ForeColor() const { return fore_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString caption_;
    unsigned back_ = 0, fore_ = 0;
};

// A folder list: the folders from the root down to the current one, then its subfolders.
// Activating an entry (double-click, Enter) makes it the current folder.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent = nullptr);
    // False, and the list left where it was, when the folder cannot be opened.
    bool setPath(const QString &folder);
    const QString &path() const { return path_; }

signals:
    void pathChanged();

private:
    void fill();
    QString path_;
};

class frmOptions2 : public QDialog {
    Q_OBJECT
public:
    explicit frmOptions2(QWidget *parent = nullptr);
    ~frmOptions2() override;

    // The main window's speech control, handed in before the dialog is shown, only when
    // speech is available.
    SpeechEngine *speech_control = nullptr;
    // Opens the screen-reader adaptation dialog; while unset "&Anpassning..." is disabled.
    static std::function<void(QWidget *parent)> show_reader_adaptation;

    // --- form-level state -------------------------------------------------------------
    QString current_voice; // name of the speech control's voice at opening
    int voice_at_load = 0;
    int voice_choice = 0;
    int style_choice = 0;
    bool records_deleted = false;
    bool font_chosen = false;   // a font was chosen on the "Teckensnitt" page
    bool folder_chosen = false; // a folder was chosen on the "Filkatalog" page

    // --- window -------------------------------------------------------------------------
    QTabBar *tbsOptions = nullptr;
    QStackedWidget *pages = nullptr;
    std::array<QWidget *, kSettingsPageCount> picOptions{};
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdApply = nullptr;

    // --- "Färger" -------------------------------------------------------------------------
    std::array<SampleFrame *, kColourSchemeCount> fraSample1{};
    std::array<VbLabel *, kColourSchemeCount> labTal{};
    std::array<VbLabel *, kColourSchemeCount> labFel{};
    VbShape *shaStil = nullptr;

    // --- "Teckensnitt" ----------------------------------------------------------------
    QGroupBox *fraSample2 = nullptr;
    QComboBox *cbxFont = nullptr;
    VbLabel *labFont = nullptr;
    VbLabel *labTest = nullptr;

    // --- "Ljud" ---------------------------------------------------------------------------
    QGroupBox *fraSample3 = nullptr;
    QCheckBox *chkPipLjud = nullptr;
    QGroupBox *fraSample3b = nullptr;
    QLabel *labInfoUpplaes = nullptr;
    QLabel *labRoest = nullptr;
    QComboBox *comRoester = nullptr;
    QCheckBox *chkLaesOevning = nullptr;
    QCheckBox *chkLaesMeny = nullptr;
    QPushButton *comAnpassning = nullptr;

    // --- "Special" ------------------------------------------------------------------------
    QCheckBox *chkRekord = nullptr;
    QGroupBox *fraSample4 = nullptr;
    std::array<VbLabel *, 5> labRekord{};
    QPushButton *comRekord = nullptr;
    QCheckBox *chkTallinje = nullptr;
    QLabel *labSteg = nullptr;
    QComboBox *cbxSteg = nullptr;
    QLabel *labMark = nullptr;
    QComboBox *cbxMark = nullptr;
    QCheckBox *chkKlocka = nullptr;
    QLabel *labMinAntal = nullptr;
    QComboBox *cbxMinAntal = nullptr;
    QLabel *labBel = nullptr;
    QComboBox *cbxBel = nullptr;
    QCheckBox *chkSlump = nullptr;
    QLabel *labOevningstyp = nullptr;
    QComboBox *cbxBeloeningstyp = nullptr;
    QLabel *labFelVisning = nullptr;
    QComboBox *cbxFelVisning = nullptr;

    // --- "Styrning" -----------------------------------------------------------------------
    QGroupBox *fraSample5a = nullptr;
    std::array<QRadioButton *, 4> optSiffertavla{};
    QLabel *labIntervall = nullptr;
    QComboBox *cbxEnTangent = nullptr;
    QGroupBox *fraRader = nullptr;
    std::array<QRadioButton *, 2> optRader{};
    QGroupBox *fraSample5 = nullptr;
    QCheckBox *chkTangentrepetition = nullptr;
    QGroupBox *fraSample5b = nullptr;
    QCheckBox *chkEnter = nullptr;
    QCheckBox *chkEsc = nullptr;
    QCheckBox *chkVarning = nullptr;
    QCheckBox *chkMuspekare = nullptr;
    QLabel *imaMuspekare = nullptr;

    // --- "Filkatalog" ---------------------------------------------------------------------
    QGroupBox *fraSample6 = nullptr;
    QLabel *labInitial = nullptr;
    QComboBox *drvInitial = nullptr;
    FolderList *dirInitial = nullptr;
    QListWidget *flbInitial = nullptr;
    FileListBox flbFiles;
    QPushButton *comInitial = nullptr;

    // --- loading, tabs, keys, closing (frmOptions2.cpp) ----------------------------------
    void Form_Load();
    void tbsOptions_Click();
    void Form_KeyDown(int &keyCode, int shift);
    void Form_Unload();
    void cmdOK_Click();
    void cmdApply_Click();
    void cmdCancel_Click();
    // What the controls hold now, with the dialog's own choices.
    PageControls page_controls() const;
    void apply_settings_page(int page);
    // "Utför": what the tab on show shows.
    void apply_settings_tab(int tab);
    bool loaded() const { return loaded_; }

    // --- "Färger" (frmOptions2_colours.cpp) ---------------------------------------------
    void setup_samples();
    void fraSample1_Click(int index);

    // --- "Teckensnitt" (frmOptions2_font.cpp) ---------------------------------------------
    void cbxFont_Click();

    // --- "Ljud" (frmOptions2_sound.cpp) -------------------------------------------------
    void fill_voice_list();
    void chkPipLjud_Click();
    void comRoester_Click();
    void comAnpassning_Click();

    // --- "Special" (frmOptions2_drill_page.cpp) ----------------------------------------
    void show_record_list();
    void chkRekord_Click();
    void chkTallinje_Click();
    void comRekord_Click();
    void restore_records();

    // --- "Styrning" (frmOptions2_control.cpp) -------------------------------------------
    void optSiffertavla_Click(int index);
    void chkEsc_Click();

    // --- "Filkatalog" (frmOptions2_folder.cpp) -------------------------------------------
    void drvInitial_Change();
    void dirInitial_Change();
    void comInitial_Click();
    void labInitial_Change();
    void set_folder_caption(const QString &caption);
    // Selects the drive holding `folder` in the drive list; false when there is none.
    bool set_drive(const QString &folder);

    void reject() override;
    void done(int result) override;
    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build_window();
    void build_colours_page(QWidget *page);
    void build_font_page(QWidget *page);
    void build_sound_page(QWidget *page);
    void build_special_page(QWidget *page);
    void build_control_page(QWidget *page);
    void build_folder_page(QWidget *page);
    void load_font_page();
    void place_font_sample();
    void load_sound_page();
    void load_special_page();
    void load_control_page();
    void load_folder_page();
    // The list control of a list item of PageControls.
    QComboBox *list_control(int PageControls::*index) const;
    bool editable() const;

    bool loaded_ = false;
    bool closing_ = false;
    QString drive_;                    // the drive list's drive
    const QEvent *last_key_ = nullptr; // a key seen on its way up to the dialog
    QPointer<QWidget> last_key_receiver_;
    int last_key_code_ = 0;
    Qt::KeyboardModifiers last_key_modifiers_;
};
