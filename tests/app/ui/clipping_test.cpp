// Every window and page of the program in every language module, at the
// scale and on the screen this run was started with (QT_SCALE_FACTOR and the
// offscreen screen are set before the application exists; ctest runs the
// program on 1366 x 768 at 100 % and on 1920 x 1080 at 150 %): every window
// fits the screen, no label, button, check box, list or title needs more
// width than it has, and every input of a window has a name of its own.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMap>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QTimer>
#include <QTranslator>
#include <functional>
#include <memory>

#include "app/language_modules.h"
#include "app/ui/backup_settings_form.h"
#include "app/ui/batch_write_form.h"
#include "app/ui/compare_form.h"
#include "app/ui/help_viewer.h"
#include "app/ui/restore_form.h"
#include "app/ui/search_form.h"
#include "app/ui/spl_form.h"
#include "config/catalogue.h"
#include "config/config_model.h"
#include "linearization/ui/graph_form.h"
#include "linearization/ui/linear_form.h"
#include "link/port_list.h"
#include "link/ui/adresa_form.h"
#include "link/ui/line_traffic_form.h"
#include "link/ui/prubeh_form.h"
#include "link/ui/settings_form.h"
#include "main_window_rig.h"
#include "monitoring/ui/mon_graph_form.h"
#include "monitoring/ui/mon_par_form.h"
#include "monitoring/ui/monitoring_page.h"
#include "operations/operation_texts.h"
#include "ptf_files.h"
#include "reports/ui/podpis_form.h"
#include "stack/transmitter_stack.h"
#include "support/builders.h"

namespace lmk17 {
namespace {

using test::Shell;

QString scaleName() {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    return QStringLiteral("%1 %").arg(qRound((factor.isEmpty() ? 1.0 : factor.toDouble()) * 100));
}

// What a control shows of a text: the mnemonic marks go, rich text is read
// as the reader sees it.
QString shownText(const QString& text, bool rich = false) {
    if (rich) {
        QTextDocument doc;
        doc.setHtml(text);
        return doc.toPlainText();
    }
    QString t = text;
    t.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    t.remove(QLatin1Char('&'));
    t.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return t;
}

int widestLine(const QFontMetrics& fm, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

// What a desktop takes of the screen that the offscreen one does not: a
// window manager's frame (borders, title bar) and a panel.
constexpr QSize kDesktopAllowance(10, 34 + 40);

// Finds what is cut and what has no name of its own in one window.
class Inspector {
public:
    Inspector(QString language, QStringList& problems)
        : language_(std::move(language)), problems_(problems) {}

    void check(const QString& window, QWidget* root) {
        QCoreApplication::processEvents();
        window_ = window;
        if (checkTitle_ && root->isWindow()) checkTitle(root);
        if (root->isWindow()) checkOnScreen(root);
        QMap<QString, QStringList> names;
        for (QWidget* w : root->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(root) || w->window()->isHidden()) continue;
            checkWidth(w);
            if (!isInput(w)) continue;
            names[accessibleName(w)] << describe(w);
        }
        for (auto i = names.cbegin(); i != names.cend(); ++i) {
            if (i.key().trimmed().isEmpty())
                for (const QString& w : i.value()) report(w, QString(), "has no accessible name");
            else if (i.value().size() > 1)
                report(i.value().join(QLatin1String(", ")), i.key(), "share one accessible name");
        }
    }
    bool checkTitle_ = true;

private:
    static bool isInput(const QWidget* w) {
        if (qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w))
            return true;
        if (auto* e = qobject_cast<const QLineEdit*>(w))  // not a combo box's or spin box's own
            return !qobject_cast<QComboBox*>(e->parentWidget()) &&
                   !qobject_cast<QAbstractSpinBox*>(e->parentWidget());
        return qobject_cast<const QAbstractItemView*>(w) && !qobject_cast<const QHeaderView*>(w) &&
               !qobject_cast<QComboBox*>(w->parentWidget()) && w->parentWidget()->isVisible() &&
               !w->window()->inherits("QComboBoxPrivateContainer");
    }

    // A list's name: on Linux a screen reader says the label that names it
    // (its relation) or its own name; the current item is its value.
    static QString accessibleName(QWidget* w) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!a) return w->accessibleName();
        if (!qobject_cast<QComboBox*>(w)) return a->text(QAccessible::Name);
        if (!w->accessibleName().isEmpty()) return w->accessibleName();
        const auto labels = a->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
    }

    static QString describe(const QWidget* w) {
        const QString name = w->objectName().isEmpty() ? QString() : w->objectName() + ' ';
        return name + '(' + w->metaObject()->className() + ')';
    }

    void report(const QString& widget, const QString& text, const char* what, int need = 0,
                int have = 0) {
        QString line = QStringLiteral("%1 [%2, %3] %4 \"%5\" %6")
                           .arg(window_, language_, scaleName(), widget, text, what);
        if (need) line += QStringLiteral(": needs %1 px, has %2").arg(need).arg(have);
        if (!problems_.contains(line)) problems_ << line;
    }

    void cutIf(const QWidget* w, const QString& text, int need, int have) {
        if (need > have) report(describe(w), text, "is cut", need, have);
    }

    void checkTitle(QWidget* window) {
        QFont bold = window->font();
        bold.setBold(true);
        const int bar = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
        const QString title = window->windowTitle();
        cutIf(window, title, QFontMetrics(bold).horizontalAdvance(title) + 3 * bar,
              window->width());
    }

    // The whole window on the screen's available area (a page scrolls),
    // where it was put: no part beyond an edge.
    void checkOnScreen(QWidget* window) {
        const QRect screen = window->screen()->availableGeometry();
        const QRect frame = window->frameGeometry();
        const QSize size = frame.size();
        if (size.width() > screen.width() || size.height() > screen.height())
            report(describe(window), window->windowTitle(),
                   qPrintable(QStringLiteral("is larger than the screen (%1 x %2 on %3 x %4)")
                                  .arg(size.width())
                                  .arg(size.height())
                                  .arg(screen.width())
                                  .arg(screen.height())));
        else if (QSize least = window->minimumSize().expandedTo(window->minimumSizeHint()) +
                               kDesktopAllowance;
                 least.width() > screen.width() || least.height() > screen.height())
            report(describe(window), window->windowTitle(),
                   qPrintable(QStringLiteral("cannot be made as small as a desktop's screen "
                                             "(at least %1 x %2 with its frame and a panel, on "
                                             "%3 x %4)")
                                  .arg(least.width())
                                  .arg(least.height())
                                  .arg(screen.width())
                                  .arg(screen.height())));
        else if (!screen.contains(frame))
            report(describe(window), window->windowTitle(),
                   qPrintable(QStringLiteral("lies partly off the screen (%1, %2 to %3, %4)")
                                  .arg(frame.left())
                                  .arg(frame.top())
                                  .arg(frame.right())
                                  .arg(frame.bottom())));
    }

    void checkWidth(QWidget* w) {
        const QFontMetrics fm = w->fontMetrics();
        QStyle* style = w->style();
        if (auto* l = qobject_cast<QLabel*>(w)) {
            if (l->text().isEmpty()) return;
            const bool rich = l->textFormat() == Qt::RichText ||
                              (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text()));
            const QString text = shownText(l->text(), rich);
            const int room = l->contentsRect().width() - 2 * l->margin() - std::max(0, l->indent());
            if (l->wordWrap()) {
                cutIf(w, text, l->heightForWidth(l->width()), l->height());
                // A word longer than the line is not broken (a path may
                // offer breaks: zero-width spaces).
                int widestWord = 0;
                for (const QString& word :
                     text.split(QRegularExpression(QStringLiteral("[\\s\\x{200B}]+"))))
                    widestWord = std::max(widestWord, fm.horizontalAdvance(word));
                cutIf(w, text, widestWord, room);
                return;
            }
            cutIf(w, text, widestLine(fm, text), room);
        } else if (auto* b = qobject_cast<QPushButton*>(w)) {
            const QString text = shownText(b->text());
            if (text.isEmpty()) return;
            int need = fm.horizontalAdvance(text) + style->pixelMetric(QStyle::PM_ButtonMargin) +
                       2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
            if (!b->icon().isNull()) need += b->iconSize().width() + 4;
            if (b->isFlat()) need = fm.horizontalAdvance(text) + 4;
            cutIf(w, text, need, b->width());
        } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
            const auto* b = static_cast<QAbstractButton*>(w);
            if (!b->text().isEmpty())
                cutIf(w, shownText(b->text()), b->sizeHint().width(), b->width());
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox opt;
            opt.initFrom(c);
            opt.editable = c->isEditable();
            const int room =
                style->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c)
                    .width();
            for (int i = 0; i < c->count(); ++i) {
                const QString item = c->itemText(i);
                const QString tip = c->itemData(i, Qt::ToolTipRole).toString();
                if (!tip.contains(item.trimmed())) cutIf(w, item, fm.horizontalAdvance(item), room);
            }
        } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (e->text().isEmpty() || e->echoMode() != QLineEdit::Normal) return;
            if (qobject_cast<QComboBox*>(e->parentWidget())) return;  // the list's own check
            const QMargins m = e->textMargins();
            const int room = e->width() - 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth) -
                             m.left() - m.right() - 4;
            cutIf(w, e->text(), fm.horizontalAdvance(e->text()), room);
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            const QString title = shownText(g->title());
            if (!title.trimmed().isEmpty())
                cutIf(w, title, fm.horizontalAdvance(title) + 8, g->width());
        } else if (auto* t = qobject_cast<QTabBar*>(w)) {
            const int space = style->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, t);
            for (int i = 0; i < t->count(); ++i) {
                if (!t->isTabVisible(i)) continue;
                const QString text = shownText(t->tabText(i));
                cutIf(w, text, fm.horizontalAdvance(text) + space / 2, t->tabRect(i).width());
            }
        }
    }

    QString language_;
    QStringList& problems_;
    QString window_;
};

// The translations of one language (the module and Qt's own texts) for as
// long as it lives.
class Language {
public:
    explicit Language(int language) {
        if (language == kEnglish) return;
        const QString file = FindLanguageModule(language, QStringLiteral("lmk17"),
                                                {QStringLiteral(LMK17_PROGRAM_DIR)});
        module_ = std::make_unique<QTranslator>();
        loaded_ = !file.isEmpty() && module_->load(file);
        if (loaded_) QCoreApplication::installTranslator(module_.get());
        qt_ = std::make_unique<QTranslator>();
        if (qt_->load(QLatin1String("qt_") + QLatin1String(kLanguages[language].locale),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt_.get());
    }
    ~Language() {
        if (module_) QCoreApplication::removeTranslator(module_.get());
        if (qt_) QCoreApplication::removeTranslator(qt_.get());
    }
    bool loaded() const { return loaded_ || !module_; }

private:
    std::unique_ptr<QTranslator> module_;
    std::unique_ptr<QTranslator> qt_;
    bool loaded_ = false;
};

// Runs `steps` on the modal window that the click on `button` opens.
void WhileModal(QPushButton* button, const std::function<void(QWidget&)>& steps) {
    bool ran = false;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || ran) return;
        ran = true;
        steps(*modal);
        if (auto* d = qobject_cast<QDialog*>(modal); d && d->isVisible()) d->reject();
    });
    driver.start(10);
    button->click();
    EXPECT_TRUE(ran) << button->objectName().toStdString();
}

// Each page of a tab widget, brought forward in turn.
void EachTab(QTabWidget* tabs, const std::function<void(const QString&)>& page) {
    for (int i = 0; i < tabs->count(); ++i) {
        if (!tabs->isTabVisible(i)) continue;
        tabs->setCurrentIndex(i);
        QCoreApplication::processEvents();
        page(shownText(tabs->tabText(i)).trimmed());
    }
}

// The editor's pages that only some ranges have: the cold junction
// compensation of a thermocouple range (95) with its graph, and the
// sensor's own characterization of a resistance thermometer range (91),
// with both of its pages.
void WalkEditorRangePages(Inspector& inspect) {
    for (const int code : {95, 91}) {
        LinEditor editor;
        TLinearForm form(editor);
        int graphs = 0;
        form.setGraphRunner([&](TGraphForm& graph) {
            ++graphs;
            graph.show();
            inspect.check(QStringLiteral("Cold junction compensation graph"), &graph);
            graph.hide();
        });
        form.editor().open(test::CustomerConfig(code), FindRange(code));
        form.prepareForOpen();
        form.show();
        const QString window = QStringLiteral("Linearization editor (range %1): ").arg(code);
        auto* rtd = form.findChild<QTabWidget*>(QStringLiteral("RtdPages"));
        EachTab(form.findChild<QTabWidget*>(QStringLiteral("Pages")), [&](const QString& page) {
            if (!rtd || !rtd->isVisible()) return inspect.check(window + page, &form);
            EachTab(rtd,
                    [&](const QString& sub) { inspect.check(window + page + " / " + sub, &form); });
        });
        if (auto* cjcGraph = form.findChild<QAction*>(QStringLiteral("GraphCjcMnu"));
            cjcGraph && cjcGraph->isVisible())
            cjcGraph->trigger();
        EXPECT_EQ(graphs, code == 95 ? 1 : 0) << code;
        form.hide();
    }
}

// The windows of the program, walked in one language: the main window's
// pages (with a K8620 configuration loaded, so that every group shows), the
// linearization editor's pages and its graph, the monitoring graph and
// parameters, the communication and address dialogs, the progress window,
// the signature dialog, the help, About, the line traffic, the search, the
// writing to several transmitters and the comparison.
void WalkWindows(Inspector& inspect) {
    // Places stored on a larger screen: each window is put whole on this one.
    Shell shell(
        "[Window]\nMain_X_Position=1500\nMain_Y_Position=900\nMonGraph_X_Position=1700\n"
        "MonGraph_Y_Position=1000\nMonGraph_X_Size=720\nMonGraph_Y_Size=540\n");
    TMainForm& f = *shell.form;
    const QString ptf = shell.home.filePath("customer.ptf");
    ASSERT_TRUE(test::WriteCustomerLinearizationPtf(ptf));
    {
        test::BoxAnswerer ok(QMessageBox::Ok);
        f.loadCommandLineFiles({ptf});
    }
    QCoreApplication::processEvents();
    inspect.checkTitle_ = false;
    EachTab(f.Zalozka(), [&](const QString& page) { inspect.check("Main window: " + page, &f); });
    inspect.checkTitle_ = true;

    auto* linearBtn = f.findChild<QPushButton*>(QStringLiteral("LinearBtn"));
    ASSERT_TRUE(linearBtn);
    WhileModal(linearBtn, [&](QWidget& editor) {
        auto* pages = editor.findChild<QTabWidget*>(QStringLiteral("Pages"));
        EachTab(pages, [&](const QString& page) {
            inspect.check("Linearization editor: " + page, &editor);
        });
        auto* form = qobject_cast<TLinearForm*>(&editor);
        ASSERT_TRUE(form);
        TGraphForm graph(shell.stack().linEditor(), f.interaction(), &editor);
        graph.prepare(QStringLiteral("Linearization"));
        graph.show();
        inspect.check(QStringLiteral("Approximation graph"), &graph);
        // The error view, where the approximation has been made.
        if (auto* error = graph.findChild<QPushButton*>(QStringLiteral("ErrorBtn"));
            error && error->isVisible()) {
            error->click();
            inspect.check(QStringLiteral("Approximation graph, errors"), &graph);
        }
    });

    WalkEditorRangePages(inspect);

    const auto shown = [&](const QString& name, QWidget* window) {
        window->show();
        inspect.check(name, window);
        window->hide();
    };
    auto* monitoring = f.findChild<TMonitoringPage*>();
    ASSERT_TRUE(monitoring);
    shown(QStringLiteral("Monitoring graph"), monitoring->MonGraphForm());
    shown(QStringLiteral("Monitoring parameters"), monitoring->MonParForm());
    shown(QStringLiteral("Communication parameters"), f.SettingsForm());
    {
        // An adapter chosen by its stable name: the line under the list
        // names the device, the adapter's maker and serial number.
        const QString byId = QStringLiteral(
            "/dev/serial/by-id/usb-Silicon_Labs_CP2102N_USB_to_UART_Bridge_Controller_"
            "0001-if00-port0");
        shell.stack().ports() = PortList({{"/dev/ttyUSB0", "CP2102N USB to UART Bridge Controller",
                                           "Silicon Labs", "0001", byId, false},
                                          {byId, "CP2102N USB to UART Bridge Controller",
                                           "Silicon Labs", "0001", "/dev/ttyUSB0", true}});
        f.SettingsForm()->syncFromConnection();
        for (int item : {1, 2}) {
            f.SettingsForm()->PortConnectCmBx()->setCurrentIndex(item);
            shown(QStringLiteral("Communication parameters, an adapter"), f.SettingsForm());
        }
    }
    shown(QStringLiteral("Transmitter address"), f.AdresaForm());
    for (const char* caption : {operation_text::kReadingCaption, operation_text::kWritingCaption,
                                operation_text::kVerifyingCaption}) {
        f.PrubehForm()->showProgress(QCoreApplication::translate("Operations", caption), 10, true);
        inspect.check(QStringLiteral("Progress window"), f.PrubehForm());
        f.PrubehForm()->closeProgress();
    }
    TPodpisForm signature(&f);
    shown(QStringLiteral("Sign and note"), &signature);
    if (auto* help = f.findChild<HelpViewer*>()) {
        help->show();
        if (auto* lists = help->findChild<QTabWidget*>())
            EachTab(lists, [&](const QString& list) { inspect.check("Help: " + list, help); });
        help->hide();
    }
    f.SplForm()->showAbout();
    inspect.check(QStringLiteral("About"), f.SplForm());
    f.SplForm()->hide();
    {
        TLineTrafficForm traffic(shell.stack().engine(), &f);
        shown(QStringLiteral("Line traffic"), &traffic);
        TSearchForm search(shell.stack(), &f);
        shown(QStringLiteral("Search"), &search);
        TBackupSettingsForm backups(shell.store, shell.stack(), f.interaction(), &f);
        shown(QStringLiteral("Backups and writing"), &backups);
        // No transmitter: the list and its refusal, nothing written yet.
        TBatchWriteForm batch(shell.stack(), &f);
        batch.AddressesEdt()->setText(QStringLiteral("1-40"));
        shown(QStringLiteral("Write to several transmitters"), &batch);
        // A readable backup and a damaged one; then none at all.
        BackupChoices choices{true, 12345678, QDir::homePath() + "/backups/12345678", {}};
        choices.backups.push_back({ptf, QDateTime(QDate(2026, 12, 24), QTime(23, 59, 58)),
                                   QStringLiteral("Pt100 (IEC 751), -200 .. 850"), 12});
        choices.backups.push_back({ptf, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)), {}, -1});
        TRestoreForm restore(choices, &f);
        shown(QStringLiteral("Restore from backup"), &restore);
        choices.backups.clear();
        TRestoreForm none(choices, &f);
        shown(QStringLiteral("Restore from backup, none kept"), &none);
    }
    // The comparison with the file loaded, one field changed, every field listed.
    ConfigModel& model = shell.stack().model();
    model.edit().config().Damping += 1;
    model.RefreshFromConfig();
    {
        test::BoxAnswerer ok(QMessageBox::Ok);
        ok.file = ptf;
        bool compared = false;
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            auto* form = qobject_cast<TCompareForm*>(QApplication::activeModalWidget());
            if (!form || compared) return;
            compared = true;
            form->AllCBx()->setChecked(true);
            inspect.check(QStringLiteral("Comparison"), form);
            form->accept();
        });
        driver.start(10);
        f.CompareFileMnu->trigger();
        EXPECT_TRUE(compared);
    }
    test::BoxAnswerer yes(QMessageBox::Yes);
    f.close();
}

// A window left open where the walk expected it closed would hang the walk
// until ctest's time-out, with nothing said: after 20 s on the same modal
// window this names it as a failure and closes it, and the walk goes on.
class ModalWatchdog {
public:
    explicit ModalWatchdog(QStringList& problems) : problems_(problems) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != seen_) {
                seen_ = modal;
                since_.start();
                return;
            }
            if (!modal || since_.elapsed() < 20000) return;
            problems_ << QStringLiteral("a modal window stayed open: %1 \"%2\"")
                             .arg(QLatin1String(modal->metaObject()->className()),
                                  modal->windowTitle());
            if (auto* d = qobject_cast<QDialog*>(modal))
                d->reject();
            else
                modal->close();
            seen_ = nullptr;
        });
        timer_.start(500);
    }

private:
    QStringList& problems_;
    QTimer timer_;
    QPointer<QWidget> seen_;
    QElapsedTimer since_;
};

TEST(Clipping, EveryWindowInEveryLanguageShowsItsTextsWholeAndNamesItsInputs) {
    // The window test program's own run has no screen of the targets.
    if (!qgetenv("QT_QPA_PLATFORM").contains("configfile"))
        GTEST_SKIP() << "run by ctest as clipping_100_ui and clipping_150_ui";
    QStringList problems;
    ModalWatchdog watchdog(problems);
    for (int language = 0; language < kLanguageCount; ++language) {
        Language texts(language);
        ASSERT_TRUE(texts.loaded()) << kLanguages[language].extension;
        Inspector inspect(QLatin1String(kLanguages[language].locale), problems);
        WalkWindows(inspect);
    }
    for (const QString& p : std::as_const(problems)) ADD_FAILURE() << p.toStdString();
}

}  // namespace
}  // namespace lmk17
