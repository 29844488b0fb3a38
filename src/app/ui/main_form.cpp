#include "app/ui/main_form.h"

#include "app/write_safety_settings.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QMenuBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

#include <QVBoxLayout>
#include "reports/ui/print_controller.h"

#include "app/app_texts.h"
#include "app/help_contexts.h"
#include "app/maker_info.h"
#include "app/ui/backup_settings_form.h"
#include "app/ui/color_scheme_menu.h"
#include "app/ui/compare_form.h"
#include "app/ui/help_viewer.h"
#include "app/ui/link_label.h"
#include "app/ui/screen_fit.h"
#include "app/ui/spl_form.h"
#include "common/ui/scroll_page.h"
#include "config/config_controls.h"
#include "config/config_model.h"
#include "config/ui/info_page.h"
#include "config/ui/input_page.h"
#include "config/ui/output_page.h"
#include "linearization/ui/linear_form.h"
#include "link/comm_port_driver.h"
#include "link/port_connection.h"
#include "link/port_failure.h"
#include "link/transaction_engine.h"
#include "link/ui/adresa_form.h"
#include "link/ui/line_traffic_form.h"
#include "link/ui/port_status_text.h"
#include "link/ui/prubeh_form.h"
#include "link/ui/settings_form.h"
#include "monitoring/monitoring_engine.h"
#include "monitoring/ui/mon_graph_form.h"
#include "monitoring/ui/monitoring_page.h"
#include "stack/transmitter_stack.h"

// The icon lives in this library's resources; a static library needs them
// registered by hand.
static void initAppResources() {
    Q_INIT_RESOURCE(app_ui);
}

namespace lmk17 {

namespace {

QString appText(const char* text) {
    return QCoreApplication::translate("App", text);
}

}  // namespace

TMainForm::TMainForm(SettingsStore& store, QWidget* parent) : QMainWindow(parent), store_(store) {
    initAppResources();
    setObjectName(QStringLiteral("MainForm"));
    setWindowIcon(QIcon(QStringLiteral(":/lmk17/lmk17.svg")));
    ui_.setMainWindow(this);
    stack_ = std::make_unique<TransmitterStack>(ui_);
    // Every write keeps a backup and asks about the changes, as set, on a
    // port of the settings and on the demonstration's alike.
    stack_->setWriteSafety(WriteSafetyFromSettings(store_.settings()));

    // The windows, in the order the program creates them.
    about_ = new TSplForm(this);
    about_->setSettingsFile(QDir::toNativeSeparators(store_.path()));
    progress_ = new TPrubehForm(this);
    adresa_ = new TAdresaForm(this);
    options_ = new TSettingsForm(stack_->connection(), stack_->ports(), stack_->port(), this);
    help_ = new HelpViewer(this);
    ui_.setProgressDisplay(progress_);

    createActions();
    createMenus();

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    tabs_ = new QTabWidget(central);
    tabs_->setObjectName(QStringLiteral("Zalozka"));
    createPages();
    layout->addWidget(tabs_, 1);
    layout->addWidget(createButtonColumn());
    setCentralWidget(central);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("MainStatusLbl"));
    statusBar()->addWidget(status_, 1);

    applyHints();
    applyHelpContexts();
    wireStack();
    createPrinting();
    setAcceptDrops(true);
    refreshCaption();

    showPage(stack_->page());
    connect(tabs_, &QTabWidget::currentChanged, this, &TMainForm::ZalozkaChange);
    EnableCommands(stack_->commandStates());

    // The pages scroll: the window can be made as small as the screen needs.
    fitted_ = preferredSize();
    resize(fitted_);
}

TMainForm::~TMainForm() {
    ui_.setProgressDisplay(nullptr);
}

// ---- construction ---------------------------------------------------------------------------

void TMainForm::createActions() {
    const auto make = [this](const QString& text, const QString& name,
                             const QKeySequence& key = {}) {
        auto* a = new QAction(text, this);
        a->setObjectName(name);
        if (!key.isEmpty()) a->setShortcut(key);
        addAction(a);  // shortcuts work while a menu is closed or disabled
        return a;
    };
    LoadConfMnu = make(tr("&Load Configuration"), "LoadConfMnu", QKeySequence(tr("Ctrl+L")));
    SaveConfMnu = make(tr("&Save Configuration"), "SaveConfMnu", QKeySequence(tr("Ctrl+S")));
    PrinterSetupMnu = make(tr("Printer Set&up"), "PrinterSetupMnu");
    PrintConfMnu = make(tr("&Print Configuration"), "PrintConfMnu", QKeySequence(tr("Ctrl+P")));
    ExportPdfMnu = make(PrintController::exportPdfText(), "ExportPdfMnu");
    ExitMnu = make(tr("&Exit"), "ExitMnu", QKeySequence(tr("Ctrl+X")));
    ZpetMnu = make(tr("&Undo"), "ZpetMnu", QKeySequence(tr("Ctrl+Z")));
    ReadConfMnu = make(tr("&Read Configuration"), "ReadConfMnu", QKeySequence(Qt::Key_F5));
    WriteConfMnu = make(tr("&Write Configuration"), "WriteConfMnu", QKeySequence(Qt::Key_F6));
    ZaklKonfigMnu = make(tr("Set &Default Configuration"), "ZaklKonfigMnu");
    ConfigRetMnu = make(tr("View &Ordering Code"), "ConfigRetMnu", QKeySequence(Qt::Key_F7));
    WorkTimeMnu = make(tr("Read Wor&king Time"), "WorkTimeMnu", QKeySequence(Qt::Key_F8));
    PVReadMnu = make(tr("Read &Primary Variable Value"), "PVReadMnu", QKeySequence(Qt::Key_F4));
    CJReadMnu = make(tr("Read Cold &Junction Temperature"), "CJReadMnu");
    MonStartMnu = make(tr("Monitoring &START"), "MonStartMnu", QKeySequence(tr("Ctrl+M")));
    MonStopMnu = make(tr("Monitoring S&TOP"), "MonStopMnu", QKeySequence(tr("Ctrl+B")));
    MonGraphMnu = make(tr("View the Monitoring &Graph"), "MonGraphMnu", QKeySequence(tr("Ctrl+G")));
    MonParamMnu = make(tr("Monitoring P&arameters"), "MonParamMnu");
    const QString pageNames[5] = {tr("&Input"), tr("&Output"), tr("I&nformation"), tr("&Tools"),
                                  tr("&Monitoring")};
    for (int i = 0; i < 5; ++i) {
        ViewPageMnu[i] = make(pageNames[i], QStringLiteral("ViewPage%1Mnu").arg(i));
        connect(ViewPageMnu[i], &QAction::triggered, this,
                [this, i] { showPage(stack_->showPage(static_cast<MainPage>(i))); });
    }
    CompareFileMnu = make(tr("&Compare with File…"), "CompareFileMnu");
    connect(CompareFileMnu, &QAction::triggered, this, [this] {
        TCompareForm::compareWithFile(*stack_, *printer_, this,
                                      [this] { return askFileName(false, {}); });
    });
    RestoreMnu = make(tr("&Restore from Backup…"), "RestoreMnu");
    connect(RestoreMnu, &QAction::triggered, this, &TMainForm::RestoreMnuClick);
    BatchWriteMnu = make(tr("Write to Se&veral Transmitters…"), "BatchWriteMnu");
    connect(BatchWriteMnu, &QAction::triggered, this, &TMainForm::BatchWriteMnuClick);
    CompareDevMnu = make(tr("&Compare with Transmitter"), "CompareDevMnu");
    connect(CompareDevMnu, &QAction::triggered, this,
            [this] { TCompareForm::compareWithTransmitter(*stack_, *printer_, this); });
    LineTrafficMnu = make(tr("&Line Traffic"), "LineTrafficMnu");
    connect(LineTrafficMnu, &QAction::triggered, this, [this] {
        auto* traffic = findChild<TLineTrafficForm*>();
        if (!traffic) traffic = new TLineTrafficForm(stack_->engine(), this);
        traffic->show();
        traffic->raise();
        traffic->activateWindow();
    });
    OptionsMnu = make(tr("&Options"), "OptionsMnu");
    BackupSetMnu = make(tr("&Backups and Writing…"), "BackupSetMnu");
    connect(BackupSetMnu, &QAction::triggered, this, [this] {
        TBackupSettingsForm form(store_, *stack_, ui_, this);
        connect(&form, &TBackupSettingsForm::helpRequested, help_, &HelpViewer::showContext);
        form.exec();
    });
    // F1 opens the help of the control that has the focus (keyPressEvent).
    ContentsMnu = make(tr("&Contents"), "ContentsMnu");
    IndexMnu = make(tr("&Index"), "IndexMnu", QKeySequence(tr("Ctrl+F1")));
    WwwMnu = make(tr("Browse &WWW site"), "WwwMnu");
    WwwMnu->setVisible(!MakerWebSite().isEmpty());
    AboutMnu = make(tr("&About ..."), "AboutMnu");
    MonStopMnu->setEnabled(false);

    connect(LoadConfMnu, &QAction::triggered, this, &TMainForm::DiskLoadBtnClick);
    connect(SaveConfMnu, &QAction::triggered, this, &TMainForm::DiskSaveBtnClick);
    connect(ExitMnu, &QAction::triggered, this, &QWidget::close);
    connect(ZpetMnu, &QAction::triggered, this, &TMainForm::ZpetMnuClick);
    connect(ReadConfMnu, &QAction::triggered, this, &TMainForm::PrevodnikLoadBtnClick);
    connect(WriteConfMnu, &QAction::triggered, this, &TMainForm::PrevodnikSaveBtnClick);
    connect(ZaklKonfigMnu, &QAction::triggered, this, &TMainForm::ZaklKonfigMnuClick);
    connect(ConfigRetMnu, &QAction::triggered, this, &TMainForm::ConfigRetMnuClick);
    connect(OptionsMnu, &QAction::triggered, this, &TMainForm::OptionsMnuClick);
    connect(ContentsMnu, &QAction::triggered, this, &TMainForm::ContentsMnuClick);
    connect(IndexMnu, &QAction::triggered, this, &TMainForm::IndexMnuClick);
    connect(WwwMnu, &QAction::triggered, this, &TMainForm::WwwMnuClick);
    connect(AboutMnu, &QAction::triggered, this, &TMainForm::AboutMnuClick);
}

void TMainForm::createMenus() {
    FileMnu = menuBar()->addMenu(tr("&File"));
    FileMnu->addActions({LoadConfMnu, SaveConfMnu, CompareFileMnu, RestoreMnu});
    FileMnu->addSeparator();
    FileMnu->addActions({PrinterSetupMnu, PrintConfMnu, ExportPdfMnu});
    FileMnu->addSeparator();
    FileMnu->addAction(ExitMnu);
    EditMnu = menuBar()->addMenu(tr("&Edit"));
    EditMnu->addAction(ZpetMnu);
    TransmitterMnu = menuBar()->addMenu(tr("&Transmitter"));
    TransmitterMnu->addActions({ReadConfMnu, WriteConfMnu, BatchWriteMnu, CompareDevMnu});
    TransmitterMnu->addSeparator();
    TransmitterMnu->addActions({ZaklKonfigMnu, ConfigRetMnu});
    TransmitterMnu->addSeparator();
    TransmitterMnu->addActions({WorkTimeMnu, PVReadMnu, CJReadMnu});
    TransmitterMnu->addSeparator();
    TransmitterMnu->addActions({MonStartMnu, MonStopMnu, MonGraphMnu, MonParamMnu});
    ViewMnu = menuBar()->addMenu(tr("&View"));
    for (QAction* a : ViewPageMnu) ViewMnu->addAction(a);
    ViewMnu->addSeparator();
    ViewMnu->addMenu(new TColorSchemeMenu(store_, ui_, this));
    ViewMnu->addAction(LineTrafficMnu);
    SettingsMnu = menuBar()->addMenu(tr("&Settings"));
    SettingsMnu->addActions({OptionsMnu, BackupSetMnu});
    HelpMnu = menuBar()->addMenu(tr("&Help"));
    HelpMnu->addActions({ContentsMnu, IndexMnu});
    HelpMnu->addSeparator();
    HelpMnu->addActions({WwwMnu, AboutMnu});
}

// The five pages. Each page class puts its controls into its container:
//
//     new TInputPage(*this, page(InputPage));
//
// (one line per page here).
void TMainForm::createPages() {
    const QString names[5] = {tr("Input"), tr("Output"), tr("Information"), tr("Tools"),
                              tr("Monitoring")};
    const char* objectNames[5] = {"InputPage", "OutputPage", "InformationPage", "ToolsPage",
                                  "MonitoringPage"};
    for (int i = 0; i < 5; ++i) {
        pages_[i] = new QWidget(tabs_);
        pages_[i]->setObjectName(QLatin1String(objectNames[i]));
        auto* layout = new QVBoxLayout(pages_[i]);
        layout->setContentsMargins(6, 6, 6, 6);
        tabs_->addTab(new ScrollPage(pages_[i], tabs_), names[i]);
    }
    // The configuration pages share one state of their controls; the
    // complete check of Save and Write runs over it.
    configControls_ = new ConfigControls(stack_->model(), ui_, this);
    pages_[InputPage]->layout()->addWidget(new TInputPage(*configControls_, pages_[InputPage]));
    pages_[OutputPage]->layout()->addWidget(new TOutputPage(*configControls_, pages_[OutputPage]));
    pages_[InformationPage]->layout()->addWidget(
        new TInfoPage(*configControls_, pages_[InformationPage]));
    // The complete check of Save, Write and Print takes what the pages show.
    stack_->model().setControlsShown(true);
    connect(this, &TMainForm::checkFailed, configControls_, &ConfigControls::focusRefusal);
    auto* input = pages_[InputPage]->findChild<TInputPage*>();
    connect(input, &TInputPage::linearizationRequested, this,
            [this] { openLinearizationEditor(); });
    createLivePages();
    // The maker's e-mail and web links at the foot of the Information page.
    auto* links = new MakerLinks(pages_[InformationPage]);
    pages_[InformationPage]->layout()->addWidget(links);
    // The monitoring log takes the whole height of its page.
    for (QWidget* p : pages_)
        if (p != pages_[MonitoringPage]) static_cast<QVBoxLayout*>(p->layout())->addStretch(1);
    // The comparators of a K8620 come in only after a read or load:
    // fitContents() grows the window should a page need more.
    const auto fitLater = [this] { QTimer::singleShot(0, this, &TMainForm::fitContents); };
    connect(&stack_->model(), &ConfigModel::viewChanged, this, fitLater);
    connect(&stack_->model(), &ConfigModel::configChanged, this, fitLater);
    connect(configControls_, &ConfigControls::controlsChanged, this, fitLater);
    connect(configControls_, &ConfigControls::typeSetupChanged, this, fitLater);
}

// Room for the pages before they are filled, as much as the screen gives.
QSize TMainForm::preferredSize() const {
    const QSize room = (kPageRoom - tabs_->sizeHint()).expandedTo(QSize(0, 0));
    return sizeHint() + room;
}

// The window keeps its size unless a page has come to need more than it
// ever did (groups shown for another type, longer lists): then it grows as
// far as its screen allows, never shrinks; beyond that the page scrolls. A
// window the user has made smaller stays so while the pages need no more.
void TMainForm::fitContents() {
    // The pages lay out what the view has shown or hidden first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QSize wanted = preferredSize();
    if (wanted.width() <= fitted_.width() && wanted.height() <= fitted_.height()) return;
    const QSize more = (wanted - fitted_).expandedTo(QSize(0, 0));
    fitted_ = fitted_.expandedTo(wanted);
    ResizeOnScreen(*this, size() + more);
}

QWidget* TMainForm::createButtonColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    LogoPnl = new QLabel(column);
    LogoPnl->setObjectName(QStringLiteral("LogoPnl"));
    LogoPnl->setPixmap(QIcon(QStringLiteral(":/lmk17/lmk17.svg")).pixmap(88, 88));
    LogoPnl->setAlignment(Qt::AlignCenter);
    LogoPnl->setFrameShape(QFrame::StyledPanel);
    LogoPnl->setMinimumHeight(104);
    LogoPnl->setCursor(Qt::PointingHandCursor);
    LogoPnl->installEventFilter(this);
    layout->addWidget(LogoPnl);

    const auto group = [&](const QString& title, const char* name, QPushButton*& first,
                           const QString& firstText, const char* firstName, QPushButton*& second,
                           const QString& secondText, const char* secondName) {
        auto* box = new QGroupBox(title, column);
        box->setObjectName(QLatin1String(name));
        auto* l = new QVBoxLayout(box);
        first = new QPushButton(firstText, box);
        first->setObjectName(QLatin1String(firstName));
        second = new QPushButton(secondText, box);
        second->setObjectName(QLatin1String(secondName));
        l->addWidget(first);
        l->addWidget(second);
        layout->addWidget(box);
        return box;
    };
    QGroupBox* transmitter =
        group(tr("  Transmitter "), "TransmitterGB", PrevodnikLoadBtn, tr("Read"),
              "PrevodnikLoadBtn", PrevodnikSaveBtn, tr("Write"), "PrevodnikSaveBtn");
    AdresaBtn = new QPushButton(tr("Communication"), transmitter);
    AdresaBtn->setObjectName(QStringLiteral("AdresaBtn"));
    transmitter->layout()->addWidget(AdresaBtn);
    group(tr("       File "), "FileGB", DiskLoadBtn, tr("Load"), "DiskLoadBtn", DiskSaveBtn,
          tr("Save"), "DiskSaveBtn");
    group(tr("       Printer "), "PrinterGB", PrinterSetupBtn, tr("Setup"), "PrinterSetupBtn",
          PrintBtn, tr("Print"), "PrintBtn");
    layout->addStretch(1);

    connect(PrevodnikLoadBtn, &QPushButton::clicked, ReadConfMnu, &QAction::trigger);
    connect(PrevodnikSaveBtn, &QPushButton::clicked, WriteConfMnu, &QAction::trigger);
    connect(DiskLoadBtn, &QPushButton::clicked, LoadConfMnu, &QAction::trigger);
    connect(DiskSaveBtn, &QPushButton::clicked, SaveConfMnu, &QAction::trigger);
    connect(PrinterSetupBtn, &QPushButton::clicked, PrinterSetupMnu, &QAction::trigger);
    connect(PrintBtn, &QPushButton::clicked, PrintConfMnu, &QAction::trigger);
    connect(AdresaBtn, &QPushButton::clicked, this, &TMainForm::AdresaBtnClick);

    commands_.add(CommandGroup::General, PrevodnikLoadBtn);
    commands_.add(CommandGroup::General, DiskLoadBtn);
    commands_.add(CommandGroup::General, PrinterSetupBtn);
    commands_.add(CommandGroup::General, PrinterSetupMnu);
    commands_.add(CommandGroup::General, AdresaBtn);
    commands_.add(CommandGroup::General, LogoPnl);
    commands_.add(CommandGroup::RestoreBackup, RestoreMnu);
    commands_.add(CommandGroup::WriteToSeveral, BatchWriteMnu);
    for (QAction* a :
         {SaveConfMnu, PrintConfMnu, ExportPdfMnu, WriteConfMnu, ZaklKonfigMnu, WorkTimeMnu,
          PVReadMnu, CJReadMnu, ConfigRetMnu, CompareFileMnu, CompareDevMnu})
        commands_.add(CommandGroup::Configuration, a);
    for (QWidget* w : {static_cast<QWidget*>(PrevodnikSaveBtn), static_cast<QWidget*>(DiskSaveBtn),
                       static_cast<QWidget*>(PrintBtn), pages_[InputPage], pages_[InformationPage]})
        commands_.add(CommandGroup::Configuration, w);
    return column;
}

void TMainForm::applyHints() {
    LogoPnl->setToolTip(tr(" View Window About Application "));
    PrevodnikLoadBtn->setToolTip(tr(" Read Configuration from Transmitter "));
    PrevodnikSaveBtn->setToolTip(tr(" Write Configuration to Transmitter "));
    DiskLoadBtn->setToolTip(tr(" Load Configuration from File "));
    DiskSaveBtn->setToolTip(tr(" Save Configuration to File "));
    PrinterSetupBtn->setToolTip(tr(" Select Printer and Printer Setup "));
    PrintBtn->setToolTip(tr(" Print Configuration "));
    AdresaBtn->setToolTip(tr(" Transmitter Communication Parameters Setup "));
}

// The help contexts of the pages and of the controls with one of their own.
void TMainForm::applyHelpContexts() {
    for (int i = 0; i < 5; ++i)
        pages_[i]->setProperty(kHelpContextProperty, help::kPageContexts[i]);
    for (const help::ControlContext& c : help::kControlContexts) {
        if (QWidget* w = findChild<QWidget*>(QLatin1String(c.objectName)))
            w->setProperty(kHelpContextProperty, int(c.context));
    }
}

// The context of the focused control: its own, or that of the nearest group
// or page around it that has one; the main window's when none has.
int TMainForm::focusHelpContext() const {
    for (const QWidget* w = focusWidget(); w && w != this; w = w->parentWidget()) {
        const QVariant context = w->property(kHelpContextProperty);
        if (context.isValid()) return context.toInt();
        // The tab bar: the page shown.
        if (w == tabs_) return help::kPageContexts[tabs_->currentIndex()];
    }
    return help::MainWindow;
}

void TMainForm::refreshCaption() {
    QString caption = appText(texts::kMainCaption).arg(appText(texts::kMainDescription));
    if (demo_) caption += appText(texts::kDemoCaptionSuffix);
    // The usual mark of unsaved changes in the title bar.
    if (stack_->model().unsavedChanges()) caption.prepend(QLatin1Char('*'));
    setWindowTitle(caption);
}

void TMainForm::showStatus(const QString& text) {
    status_->setText(text);
}

void TMainForm::showPortFailure() {
    TCommPortDriver& port = stack_->port();
    QString detail = PortFailureDetail(PortFailureOf(port.deviceName(), port.errorString()));
    if (detail.isEmpty()) return;
    // One line in the status bar.
    detail.replace(QLatin1Char('\n'), QLatin1Char(' '));
    showStatus(PortStatusText(stack_->connection().status()) + QLatin1Char(' ') + detail);
}

// ---- EnableCommands, pages, keys ---------------------------------------------------------

// EnableCommands: the states the stack announces, applied as they are.
void TMainForm::EnableCommands(const CommandStates& s) {
    if (s.hourglass)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
    for (QMenu* m : {FileMnu, EditMnu, ViewMnu, SettingsMnu})
        m->menuAction()->setEnabled(s.generalMenus);
    // The shortcuts of a disabled menu must not act either; "&Exit" always
    // acts (the close procedure decides).
    for (QAction* a : {LoadConfMnu, OptionsMnu}) a->setEnabled(s.generalMenus);
    for (QAction* a : ViewPageMnu) a->setEnabled(s.generalMenus);
    if (s.transmitterMenu) TransmitterMnu->menuAction()->setEnabled(*s.transmitterMenu);
    ReadConfMnu->setEnabled(s.readConfiguration);
    ZpetMnu->setEnabled(s.undo);
    commands_.apply(s);
}

// ZalozkaChange: the stack says which page shows.
void TMainForm::ZalozkaChange(int index) {
    if (obeyingPage_) return;
    showPage(stack_->showPage(static_cast<MainPage>(index)));
}

void TMainForm::showPage(MainPage page) {
    obeyingPage_ = true;
    tabs_->setCurrentIndex(static_cast<int>(page));
    obeyingPage_ = false;
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched == monitoringPage_->MonGraphForm())
        keepMonitorGraphPlacement(true);
    if (watched == LogoPnl && event->type() == QEvent::MouseButtonRelease && LogoPnl->isEnabled()) {
        AboutMnuClick();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        help_->showContext(focusHelpContext());
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        if (about_->isVisible())
            about_->hide();
        else
            stack_->breakOperation();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace lmk17
