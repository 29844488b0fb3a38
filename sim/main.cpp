// lmk17-sim: software transmitters on pseudo-terminals.
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>
#include <csignal>
#include <memory>

#include "app/app_texts.h"
#include "config/catalogue.h"
#include "sim_options.h"

using namespace lmk17::sim;

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &c, 1);
}

// SIGINT and SIGTERM end the event loop, so that links are removed and the
// state is saved on the way out.
bool catchSignals(QCoreApplication& app) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return false;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app] {
        char c;
        [[maybe_unused]] const ssize_t n = ::read(signalPipe[0], &c, 1);
        app.quit();
    });
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    return ::sigaction(SIGINT, &sa, nullptr) == 0 && ::sigaction(SIGTERM, &sa, nullptr) == 0;
}

QString describe(const SimLine& line, int index) {
    QString s = QStringLiteral("lmk17-sim: line %1 on %2").arg(index + 1).arg(line.devicePath());
    if (!line.linkPath().isEmpty()) s += QStringLiteral(" (link %1)").arg(line.linkPath());
    for (const auto& t : line.transmitters()) {
        s += QStringLiteral("\n  address %1: %2 firmware %3.%4, serial %5%6")
                 .arg(t->address())
                 .arg(t->profile().typeName)
                 .arg(t->firmware() / 100)
                 .arg(t->firmware() % 100, 2, 10, QLatin1Char('0'))
                 .arg(t->profile().serial)
                 .arg(lmk17::FindType(t->profile().typeName)
                          ? QString()
                          : QStringLiteral(" (type unknown to LMK-17)"));
    }
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lmk17-sim"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    if (app.arguments().mid(1).contains(QLatin1String("--version"))) {
        out << "lmk17-sim " << lmk17::texts::kProgramVersion << Qt::endl;
        return 0;
    }
    SimOptions options;
    QString error;
    if (!ParseSimArguments(app.arguments().mid(1), options, &error)) {
        err << "lmk17-sim: " << error << "\nrun lmk17-sim --help for the options\n";
        return 2;
    }
    if (options.help) {
        out << SimUsage();
        return 0;
    }
    if (!catchSignals(app)) {
        err << "lmk17-sim: cannot catch the termination signals\n";
        return 1;
    }
    std::vector<std::unique_ptr<SimLine>> lines;
    for (const LineOptions& l : options.lines) {
        lines.push_back(std::make_unique<SimLine>(l));
        if (!lines.back()->start(&error)) {
            err << "lmk17-sim: " << error << '\n';
            return 1;
        }
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        out << lines[i]->devicePath() << Qt::endl;
        err << describe(*lines[i], int(i)) << Qt::endl;
    }
    const int rc = app.exec();
    lines.clear();  // saves the state, removes the links
    return rc;
}
