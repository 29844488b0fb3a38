// lmk17: the desktop program.
#include <QApplication>
#include <QElapsedTimer>
#include <QExposeEvent>
#include <QTextStream>
#include <QTimer>
#include <QWindow>
#include <cstdio>

#include "app/app_paths.h"
#include "app/app_texts.h"
#include "app/command_line.h"
#include "app/demo_transmitter.h"
#include "app/help_book.h"
#include "app/language_modules.h"
#include "app/settings_store.h"
#include "app/ui/color_scheme_menu.h"
#include "app/ui/language_box.h"
#include "app/ui/main_form.h"
#include "link/ui/settings_form.h"

using namespace lmk17;

namespace {

QStringList rawArguments(int argc, char** argv) {
    QStringList list;
    for (int i = 1; i < argc; ++i) list << QString::fromLocal8Bit(argv[i]);
    return list;
}

// Calls `then` once, when the window is first on the screen.
class FirstExposure : public QObject {
public:
    FirstExposure(QWindow* window, std::function<void()> then)
        : QObject(window), then_(std::move(then)) {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, then_);
        }
        return false;
    }

private:
    std::function<void()> then_;
};

}  // namespace

int main(int argc, char** argv) {
    // --help and --version need no display.
    const CommandLine early = ParseCommandLine(rawArguments(argc, argv));
    if (early.help || early.version) {
        QString text = VersionText();
        if (early.help) {
            // The manual's folder is looked for as the help viewer does.
            QCoreApplication core(argc, argv);
            QCoreApplication::setApplicationName(QStringLiteral("lmk17"));
            text = CommandLineUsage() + ManualFolderText(HelpBook::locate());
        }
        std::fputs(qPrintable(text), stdout);
        return 0;
    }
    // Qt's own options have one dash (-platform, -style); an unknown long
    // option is ours to refuse, before a display is needed.
    if (early.unknownOption.startsWith(QLatin1String("--"))) {
        // notr: terminal output
        QTextStream(stderr) << "lmk17: " << early.error << "\nrun lmk17 --help for the options\n";
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lmk17"));
    QApplication::setApplicationVersion(QLatin1String(texts::kProgramVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("lmk17"));

    const CommandLine commandLine = ParseCommandLine(QApplication::arguments().mid(1));
    if (!commandLine.error.isEmpty()) {
        // notr: terminal output
        QTextStream(stderr) << "lmk17: " << commandLine.error
                            << "\nrun lmk17 --help for the options\n";
        return 2;
    }

    SettingsStore store(ProgramSettingsFilePath(), ProgramAppFolders());
    QString settingsError;
    const bool settingsRead = store.load(&settingsError);

    // SwitchLanguage: the module LangID names, before any window exists.
    const QString programName = ProgramBaseName();
    const QStringList languages = CheckLanguageSupport(programName, LanguageModuleFolders());
    const LanguageSwitch running = SwitchLanguage(app, store.settings().langId, languages,
                                                  programName, LanguageModuleFolders());

    ApplyColorScheme(store.settings().colorScheme);
    DemoTransmitter demo;
    TMainForm form(store);
    // The language list of the options dialog; a pick becomes LangID of
    // the settings file at once.
    auto* languageList = new LanguageBox;
    languageList->setLanguages(languages, running, store.settings().langId);
    form.SettingsForm()->addLanguageList(languageList);
    QObject::connect(languageList, &LanguageBox::langIdChosen, [&store, &form](const QString& id) {
        QString error;
        if (!store.saveLangId(id, &error))
            form.interaction().message(
                MessageKind::Warning, QCoreApplication::translate("App", texts::kSettingsSaveFailed)
                                          .arg(store.path(), error));
    });
    form.placeWindow();
    form.show();

    // The port and the files come after the window is on the screen: a
    // port search or a slow device must not keep the window from showing.
    const bool quitWhenShown = qEnvironmentVariableIsSet("LMK17_QUIT_WHEN_SHOWN");
    new FirstExposure(form.windowHandle(), [&] {
        if (quitWhenShown) {
            QApplication::exit(0);
            return;
        }
        if (!settingsRead)
            form.interaction().message(
                MessageKind::Warning,
                QCoreApplication::translate("App", "The settings file %1 could not be read: %2")
                    .arg(store.path(), settingsError));
        if (commandLine.demo) {
            const QString sim = FindSimulatorProgram(QCoreApplication::applicationDirPath());
            if (sim.isEmpty()) {
                form.interaction().message(MessageKind::Error, QCoreApplication::translate(
                                                                   "App", texts::kDemoNoSimulator));
            } else if (!demo.start(sim, commandLine.simulatorArguments)) {
                form.interaction().message(
                    MessageKind::Error,
                    QCoreApplication::translate("App", texts::kDemoFailed).arg(demo.error()));
            } else {
                form.connectDemo(demo.devicePath(), commandLine.demoAddress());
            }
        } else {
            form.restorePort();
        }
        form.loadCommandLineFiles(commandLine.configurationFiles, commandLine.linearizationFiles);
    });

    const int rc = app.exec();
    demo.stop();
    return rc;
}
