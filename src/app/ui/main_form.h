#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <memory>

#include "app/settings_store.h"
#include "app/ui/command_controls.h"
#include "common/ui/message_box_interaction.h"
#include "config/validation.h"
#include "operations/enable_commands.h"
#include "operations/main_pages.h"

namespace lmk17 {

class TransmitterStack;
class TPrubehForm;
class TSplForm;
class TSettingsForm;
class TAdresaForm;
class HelpViewer;
class PrintController;
class TLinearForm;
class TToolsPage;
class TMonitoringPage;
class ConfigControls;

// The main window: the five pages, the logo panel, the button groups of
// the transmitter, the file and the printer, and the command table. It
// owns the transmitter stack (port, engine, configuration, operations) for
// the life of the program, shows its state and forwards the user's
// commands to it.
//
// The pages are filled by their own classes (see createPages()); a page
// that carries a control which EnableCommands switches registers it with
// commandControls().
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    enum Page { InputPage = 0, OutputPage, InformationPage, ToolsPage, MonitoringPage };

    explicit TMainForm(SettingsStore& store, QWidget* parent = nullptr);
    ~TMainForm() override;

    // ---- start-up (in this order, see main.cpp) -------------------------------------
    // Window placement from the settings (the main screen when none valid).
    void placeWindow();
    // The serial port from the settings: the stored port, or a search when
    // none is stored, then connected. Run after the window is shown.
    void restorePort();
    // The demonstration: connect the software transmitter's terminal.
    void connectDemo(const QString& devicePath, int address);
    // Loads configuration files named on the command line, one after the
    // other; then the linearization files open in the linearization editor
    // of the configuration that stands (see openLinearizationEditor).
    void loadCommandLineFiles(const QStringList& files, const QStringList& linearizations = {});
    // LinearBtnClick: the linearization editor on the configuration, with
    // `files` loaded into it. When the configuration takes no customer
    // linearization, a message says so and names the files.
    void openLinearizationEditor(const QStringList& files = {});

    // ---- what the pages and the other windows use ------------------------------------
    TransmitterStack& stack() { return *stack_; }
    MessageBoxInteraction& interaction() { return ui_; }
    CommandControls& commandControls() { return commands_; }
    QTabWidget* Zalozka() const { return tabs_; }  // the page tabs
    QWidget* page(Page p) const { return pages_[p]; }

    TPrubehForm* PrubehForm() const { return progress_; }
    TSplForm* SplForm() const { return about_; }
    TSettingsForm* SettingsForm() const { return options_; }
    TAdresaForm* AdresaForm() const { return adresa_; }

    // Commands (the menu items; a button does what its item does).
    QAction* LoadConfMnu = nullptr;
    QAction* SaveConfMnu = nullptr;
    QAction* PrinterSetupMnu = nullptr;
    QAction* PrintConfMnu = nullptr;
    QAction* ExportPdfMnu = nullptr;    // "Export as PDF…" (no printer needed)
    QAction* CompareFileMnu = nullptr;  // "Compare with File…"
    QAction* CompareDevMnu = nullptr;   // "Compare with Transmitter"
    QAction* RestoreMnu = nullptr;      // "Restore from Backup…"
    QAction* ExitMnu = nullptr;
    QAction* ZpetMnu = nullptr;  // "&Undo" ("zpet": back)
    QAction* ReadConfMnu = nullptr;
    QAction* WriteConfMnu = nullptr;
    QAction* ZaklKonfigMnu = nullptr;  // "Set &Default Configuration"
    QAction* ConfigRetMnu = nullptr;   // "View Ordering Code"
    QAction* WorkTimeMnu = nullptr;
    QAction* PVReadMnu = nullptr;
    QAction* CJReadMnu = nullptr;
    QAction* MonStartMnu = nullptr;
    QAction* MonStopMnu = nullptr;
    QAction* MonGraphMnu = nullptr;
    QAction* MonParamMnu = nullptr;
    QAction* ViewPageMnu[5] = {};
    QAction* LineTrafficMnu = nullptr;  // "Line Traffic": the frames on the line
    QAction* OptionsMnu = nullptr;
    QAction* BackupSetMnu = nullptr;  // "Backups and Writing…"
    QAction* ContentsMnu = nullptr;
    QAction* IndexMnu = nullptr;
    QAction* WwwMnu = nullptr;
    QAction* AboutMnu = nullptr;

    QMenu* FileMnu = nullptr;
    QMenu* EditMnu = nullptr;
    QMenu* TransmitterMnu = nullptr;
    QMenu* ViewMnu = nullptr;
    QMenu* SettingsMnu = nullptr;
    QMenu* HelpMnu = nullptr;

    QPushButton* PrevodnikLoadBtn = nullptr;  // "Read" ("prevodnik": transmitter)
    QPushButton* PrevodnikSaveBtn = nullptr;  // "Write"
    QPushButton* DiskLoadBtn = nullptr;       // "Load"
    QPushButton* DiskSaveBtn = nullptr;       // "Save"
    QPushButton* PrinterSetupBtn = nullptr;   // "Setup"
    QPushButton* PrintBtn = nullptr;          // "Print"
    QPushButton* AdresaBtn = nullptr;         // "Communication"
    QLabel* LogoPnl = nullptr;

signals:
    // The complete check refused the record: the page has been brought up;
    // the page focuses the edit named.
    void checkFailed(const CheckOutcome& check);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A configuration file dropped on the window is loaded as Load does.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createPages();
    QWidget* createButtonColumn();
    void wireStack();
    void applyHints();
    void applyHelpContexts();
    void fitContents();
    // The size the window asks for: its pages whole, with room for those
    // not yet filled.
    QSize preferredSize() const;
    static constexpr QSize kPageRoom{560, 600};
    QSize fitted_;  // the most the pages have asked for
    int focusHelpContext() const;
    static constexpr char kHelpContextProperty[] = "helpContext";

    // EnableCommands: the main window's controls in the states the stack gives.
    void EnableCommands(const CommandStates& states);
    void ZalozkaChange(int index);
    // Brings the page the stack names forward.
    void showPage(MainPage page);
    void refreshCaption();
    void showStatus(const QString& text);
    // A port that could not be opened: the status line adds the system's
    // reason and, without the permission, what to do about it.
    void showPortFailure();

    // Command handlers: each forwards to the core.
    void PrevodnikLoadBtnClick();
    void PrevodnikSaveBtnClick();
    void DiskLoadBtnClick();
    void DiskSaveBtnClick();
    void ZpetMnuClick();
    void ZaklKonfigMnuClick();
    void RestoreMnuClick();
    void ConfigRetMnuClick();
    void OptionsMnuClick();
    void AdresaBtnClick();
    void AboutMnuClick();
    void ContentsMnuClick();
    void IndexMnuClick();
    void WwwMnuClick();
    void PrinterSetBtnClick();
    void PrinterPrintBtnClick();
    void ExportPdfMnuClick();
    void createPrinting();
    void connectLinearizationEditor(TLinearForm& form);
    // The Tools and Monitoring pages with their menu commands, the
    // monitoring parameters and the graph window's place from the settings.
    void createLivePages();
    static bool windowPositionsWork();
    void restoreMonitoringSettings();
    void keepMonitorGraphPlacement(bool hiding);
    void showCheckFailure(const CheckOutcome& check);
    QString askFileName(bool save, const QString& proposed);

    // Shut-down (FormCloseQuery / ApplClose).
    bool ApplClose();
    void saveSettings();

    SettingsStore& store_;
    MessageBoxInteraction ui_;
    std::unique_ptr<TransmitterStack> stack_;
    CommandControls commands_;
    ConfigControls* configControls_ = nullptr;  // shared by the configuration pages
    bool demo_ = false;
    bool obeyingPage_ = false;  // the tab follows the stack's page

    QTabWidget* tabs_ = nullptr;
    QWidget* pages_[5] = {};
    TPrubehForm* progress_ = nullptr;
    TSplForm* about_ = nullptr;
    TSettingsForm* options_ = nullptr;
    TAdresaForm* adresa_ = nullptr;
    HelpViewer* help_ = nullptr;
    std::unique_ptr<PrintController> printer_;
    TToolsPage* toolsPage_ = nullptr;
    TMonitoringPage* monitoringPage_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace lmk17
