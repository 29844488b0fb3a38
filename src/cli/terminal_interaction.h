#pragma once

#include <QTextStream>

#include "cli/cli_command.h"

namespace lmk17::cli {

// Messages go to stderr as the program's own texts; questions are answered by
// the --yes/--no policy or asked on the terminal; progress is drawn on stderr
// only when it is a terminal.
class TerminalInteraction : public UserInteraction {
public:
    TerminalInteraction(QTextStream& err, AnswerPolicy policy);

    void message(MessageKind kind, const QString& text) override;
    bool question(Question id, MessageKind kind, const QString& text) override;
    void progressShow(const QString& caption, int maximum, bool warning) override;
    void progressStep(int position) override;
    void progressClose() override;

private:
    QTextStream& err_;
    AnswerPolicy policy_;
    bool progressOnTerminal_;
    QString caption_;
    int maximum_ = 0;
};

}  // namespace lmk17::cli
