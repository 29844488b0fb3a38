#include "app/ui/main_form.h"

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
#include "app/ui/help_viewer.h"
#include "app/ui/link_label.h"
#include "app/ui/spl_form.h"
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
#include "link/ui/prubeh_form.h"
#include "link/ui/settings_form.h"
#include "monitoring/monitoring_engine.h"
#include "monitoring/ui/mon_graph_form.h"
#include "monitoring/ui/monitoring_page.h"
#include "operations/transmitter_stack.h"

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

TMainForm::TMainForm(SettingsStore& store, QWidget* parent) : QMainWindow(parent), m_store(store) {
    initAppResources();
    setObjectName(QStringLiteral("MainForm"));
    setWindowIcon(QIcon(QStringLiteral(":/lmk17/lmk17.svg")));
    m_ui.setMainWindow(this);
    m_stack = std::make_unique<TransmitterStack>(m_ui);

    // The windows, in the order the program creates them.
    m_about = new TSplForm(this);
    m_about->setSettingsFile(QDir::toNativeSeparators(m_store.path()));
    m_progress = new TPrubehForm(this);
    m_adresa = new TAdresaForm(this);
    m_options = new TSettingsForm(m_stack->connection(), m_stack->ports(), m_stack->port(), this);
    m_help = new HelpViewer(this);
    m_ui.setProgressDisplay(m_progress);

    createActions();
    createMenus();

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    m_tabs = new QTabWidget(central);
    m_tabs->setObjectName(QStringLiteral("Zalozka"));
    createPages();
    layout->addWidget(m_tabs, 1);
    layout->addWidget(createButtonColumn());
    setCentralWidget(central);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("MainStatusLbl"));
    statusBar()->addWidget(m_status, 1);
    statusBar()->setSizeGripEnabled(false);

    applyHints();
    applyHelpContexts();
    wireStack();
    createPrinting();
    setAcceptDrops(true);
    refreshCaption();

    m_tabs->setCurrentIndex(InputPage);
    connect(m_tabs, &QTabWidget::currentChanged, this, &TMainForm::ZalozkaChange);
    EnableCommands(m_stack->commandStates());

    // Fixed size: whatever the pages, fonts and language need, no more.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setFixedSize(sizeHint());
}

TMainForm::~TMainForm() {
    m_ui.setProgressDisplay(nullptr);
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
    PrinterSetupMnu = make(tr("Printer Setup"), "PrinterSetupMnu");
    PrintConfMnu = make(tr("&Print Configuration"), "PrintConfMnu", QKeySequence(tr("Ctrl+P")));
    ExportPdfMnu = make(PrintController::exportPdfText(), "ExportPdfMnu");
    ExitMnu = make(tr("&Exit"), "ExitMnu", QKeySequence(tr("Ctrl+X")));
    ZpetMnu = make(tr("&Undo"), "ZpetMnu", QKeySequence(tr("Ctrl+Z")));
    ReadConfMnu = make(tr("&Read Configuration"), "ReadConfMnu", QKeySequence(Qt::Key_F5));
    WriteConfMnu = make(tr("&Write Configuration"), "WriteConfMnu", QKeySequence(Qt::Key_F6));
    ZaklKonfigMnu = make(tr("Set &Default Configuration"), "ZaklKonfigMnu");
    ConfigRetMnu = make(tr("View Ordering Code"), "ConfigRetMnu", QKeySequence(Qt::Key_F7));
    WorkTimeMnu = make(tr("Read Working Time"), "WorkTimeMnu", QKeySequence(Qt::Key_F8));
    PVReadMnu = make(tr("Read Primary Variable Value"), "PVReadMnu", QKeySequence(Qt::Key_F4));
    CJReadMnu = make(tr("Read Cold Junction Teperature"), "CJReadMnu");
    MonStartMnu = make(tr("Monitoring START"), "MonStartMnu", QKeySequence(tr("Ctrl+M")));
    MonStopMnu = make(tr("Monitoring STOP"), "MonStopMnu", QKeySequence(tr("Ctrl+B")));
    MonGraphMnu = make(tr("View the Monitoring Graph"), "MonGraphMnu", QKeySequence(tr("Ctrl+G")));
    MonParamMnu = make(tr("Monitoring Parameters"), "MonParamMnu");
    const QString pageNames[5] = {tr("&Input"), tr("&Output"), tr("&Information"), tr("&Tools"),
                                  tr("&Monitoring")};
    for (int i = 0; i < 5; ++i) {
        ViewPageMnu[i] = make(pageNames[i], QStringLiteral("ViewPage%1Mnu").arg(i));
        connect(ViewPageMnu[i], &QAction::triggered, this,
                [this, i] { showPage(m_stack->showPage(static_cast<MainPage>(i))); });
    }
    OptionsMnu = make(tr("Options"), "OptionsMnu");
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
    FileMnu->addActions({LoadConfMnu, SaveConfMnu});
    FileMnu->addSeparator();
    FileMnu->addActions({PrinterSetupMnu, PrintConfMnu, ExportPdfMnu});
    FileMnu->addSeparator();
    FileMnu->addAction(ExitMnu);
    EditMnu = menuBar()->addMenu(tr("Edit"));
    EditMnu->addAction(ZpetMnu);
    TransmitterMnu = menuBar()->addMenu(tr("&Transmitter"));
    TransmitterMnu->addActions({ReadConfMnu, WriteConfMnu});
    TransmitterMnu->addSeparator();
    TransmitterMnu->addActions({ZaklKonfigMnu, ConfigRetMnu});
    TransmitterMnu->addSeparator();
    TransmitterMnu->addActions({WorkTimeMnu, PVReadMnu, CJReadMnu});
    TransmitterMnu->addSeparator();
    TransmitterMnu->addActions({MonStartMnu, MonStopMnu, MonGraphMnu, MonParamMnu});
    ViewMnu = menuBar()->addMenu(tr("&View"));
    for (QAction* a : ViewPageMnu) ViewMnu->addAction(a);
    SettingsMnu = menuBar()->addMenu(tr("&Settings"));
    SettingsMnu->addAction(OptionsMnu);
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
        m_pages[i] = new QWidget(m_tabs);
        m_pages[i]->setObjectName(QLatin1String(objectNames[i]));
        auto* layout = new QVBoxLayout(m_pages[i]);
        layout->setContentsMargins(6, 6, 6, 6);
        m_tabs->addTab(m_pages[i], names[i]);
    }
    // The configuration pages share one state of their controls; the
    // complete check of Save and Write runs over it.
    m_configControls = new ConfigControls(m_stack->model(), m_ui, this);
    m_pages[InputPage]->layout()->addWidget(new TInputPage(*m_configControls, m_pages[InputPage]));
    m_pages[OutputPage]->layout()->addWidget(
        new TOutputPage(*m_configControls, m_pages[OutputPage]));
    m_pages[InformationPage]->layout()->addWidget(
        new TInfoPage(*m_configControls, m_pages[InformationPage]));
    // The complete check of Save, Write and Print takes what the pages show.
    m_stack->model().setControlsShown(true);
    connect(this, &TMainForm::checkFailed, m_configControls, &ConfigControls::focusRefusal);
    auto* input = m_pages[InputPage]->findChild<TInputPage*>();
    connect(input, &TInputPage::linearizationRequested, this,
            [this] { openLinearizationEditor(); });
    createLivePages();
    // The maker's e-mail and web links at the foot of the Information page.
    auto* links = new MakerLinks(m_pages[InformationPage]);
    m_pages[InformationPage]->layout()->addWidget(links);
    // The monitoring log takes the whole height of its page.
    for (QWidget* p : m_pages)
        if (p != m_pages[MonitoringPage]) static_cast<QVBoxLayout*>(p->layout())->addStretch(1);
    // Room for the pages before they are filled (the comparators of a
    // K8620 come in only after a read or load; fitContents() grows the
    // window should a page need more).
    m_tabs->setMinimumSize(560, 600);
    connect(&m_stack->model(), &ConfigModel::viewChanged, this,
            [this] { QTimer::singleShot(0, this, &TMainForm::fitContents); });
}

// The window keeps its size unless a page has come to need more (groups
// shown for another type, longer texts): then it grows, never shrinks.
void TMainForm::fitContents() {
    const QSize needed = sizeHint().expandedTo(size());
    if (needed != size()) setFixedSize(needed);
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

    m_commands.add(CommandGroup::General, PrevodnikLoadBtn);
    m_commands.add(CommandGroup::General, DiskLoadBtn);
    m_commands.add(CommandGroup::General, PrinterSetupBtn);
    m_commands.add(CommandGroup::General, PrinterSetupMnu);
    m_commands.add(CommandGroup::General, AdresaBtn);
    m_commands.add(CommandGroup::General, LogoPnl);
    for (QAction* a : {SaveConfMnu, PrintConfMnu, ExportPdfMnu, WriteConfMnu, ZaklKonfigMnu,
                       WorkTimeMnu, PVReadMnu, CJReadMnu, ConfigRetMnu})
        m_commands.add(CommandGroup::Configuration, a);
    for (QWidget* w :
         {static_cast<QWidget*>(PrevodnikSaveBtn), static_cast<QWidget*>(DiskSaveBtn),
          static_cast<QWidget*>(PrintBtn), m_pages[InputPage], m_pages[InformationPage]})
        m_commands.add(CommandGroup::Configuration, w);
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
        m_pages[i]->setProperty(kHelpContextProperty, help::kPageContexts[i]);
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
        if (w == m_tabs) return help::kPageContexts[m_tabs->currentIndex()];
    }
    return help::MainWindow;
}

void TMainForm::refreshCaption() {
    QString caption = appText(texts::kMainCaption).arg(appText(texts::kMainDescription));
    if (m_demo) caption += appText(texts::kDemoCaptionSuffix);
    // The usual mark of unsaved changes in the title bar.
    if (m_stack->model().unsavedChanges()) caption.prepend(QLatin1Char('*'));
    setWindowTitle(caption);
}

void TMainForm::showStatus(const QString& text) {
    m_status->setText(text);
}

void TMainForm::showPortFailure() {
    TCommPortDriver& port = m_stack->port();
    QString detail = PortFailureDetail(port.deviceName(), port.errorString());
    if (detail.isEmpty()) return;
    // One line in the status bar.
    detail.replace(QLatin1Char('\n'), QLatin1Char(' '));
    showStatus(m_stack->connection().statusText() + QLatin1Char(' ') + detail);
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
    m_commands.apply(s);
}

// ZalozkaChange: the stack says which page shows.
void TMainForm::ZalozkaChange(int index) {
    if (m_obeyingPage) return;
    showPage(m_stack->showPage(static_cast<MainPage>(index)));
}

void TMainForm::showPage(MainPage page) {
    m_obeyingPage = true;
    m_tabs->setCurrentIndex(static_cast<int>(page));
    m_obeyingPage = false;
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched == m_monitoringPage->MonGraphForm())
        keepMonitorGraphPlacement(true);
    if (watched == LogoPnl && event->type() == QEvent::MouseButtonRelease && LogoPnl->isEnabled()) {
        AboutMnuClick();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        m_help->showContext(focusHelpContext());
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        if (m_about->isVisible())
            m_about->hide();
        else
            m_stack->breakOperation();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace lmk17
