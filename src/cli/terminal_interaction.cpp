#include "cli/terminal_interaction.h"

#include <cstdio>
#include <iostream>
#include <string>
#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace lmk17::cli {

namespace {
QString oneLine(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}
}  // namespace

TerminalInteraction::TerminalInteraction(QTextStream& err, AnswerPolicy policy)
    : err_(err), policy_(policy), progressOnTerminal_(isatty(fileno(stderr)) != 0) {}

void TerminalInteraction::message(MessageKind, const QString& text) {
    if (progressOnTerminal_ && maximum_ > 0) err_ << "\r\x1b[K";
    err_ << oneLine(text) << Qt::endl;
}

bool TerminalInteraction::question(Question, MessageKind, const QString& text) {
    if (progressOnTerminal_ && maximum_ > 0) err_ << "\r\x1b[K";
    err_ << oneLine(text);
    if (policy_ != AnswerPolicy::Ask) {
        const bool yes = policy_ == AnswerPolicy::Yes;
        err_ << (yes ? " Yes" : " No") << Qt::endl;
        return yes;
    }
    if (!isatty(fileno(stdin))) {
        err_ << " No (no terminal to ask; use --yes or --no)" << Qt::endl;
        return false;
    }
    for (;;) {
        err_ << " [y/n] " << Qt::flush;
        std::string line;
        if (!std::getline(std::cin, line)) {
            err_ << Qt::endl;
            return false;
        }
        if (!line.empty() && (line[0] == 'y' || line[0] == 'Y')) return true;
        if (!line.empty() && (line[0] == 'n' || line[0] == 'N')) return false;
    }
}

void TerminalInteraction::progressShow(const QString& caption, int maximum, bool) {
    caption_ = caption;
    maximum_ = maximum;
    if (progressOnTerminal_) err_ << caption_ << Qt::flush;
}

void TerminalInteraction::progressStep(int position) {
    if (!progressOnTerminal_ || maximum_ <= 0) return;
    const int percent = qBound(0, position * 100 / maximum_, 100);
    err_ << "\r\x1b[K" << caption_ << ' ' << percent << " %" << Qt::flush;
}

void TerminalInteraction::progressClose() {
    if (progressOnTerminal_ && maximum_ > 0) err_ << "\r\x1b[K" << Qt::flush;
    maximum_ = 0;
}

}  // namespace lmk17::cli
