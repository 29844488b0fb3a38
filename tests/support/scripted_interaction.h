#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "common/user_interaction.h"

namespace lmk17::test {

// UserInteraction for tests: questions are answered from a script (No when
// the script runs dry), everything shown is recorded for assertions.
class ScriptedInteraction : public UserInteraction {
public:
    struct Shown {
        MessageKind kind;
        QString text;
        bool isQuestion;
    };

    std::deque<bool> answers;
    bool defaultAnswer = false;
    std::vector<Shown> shown;
    std::vector<Question> questions;  // the identifiers of the questions asked, in order
    std::vector<int> progress;
    QString progressCaption;
    int progressMaximum = 0;
    bool progressOpen = false;
    bool progressWarning = false;  // the red cable warning showed

    void message(MessageKind kind, const QString& text) override {
        shown.push_back({kind, text, false});
    }
    bool question(Question id, MessageKind kind, const QString& text) override {
        shown.push_back({kind, text, true});
        questions.push_back(id);
        if (answers.empty()) return defaultAnswer;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void progressShow(const QString& caption, int maximum, bool warning) override {
        progressCaption = caption;
        progressMaximum = maximum;
        progressWarning = warning;
        progressOpen = true;
    }
    void progressStep(int position) override { progress.push_back(position); }
    void progressClose() override { progressOpen = false; }

    QStringList texts() const {
        QStringList out;
        for (const auto& s : shown) out << s.text;
        return out;
    }
    QString last() const { return shown.empty() ? QString() : shown.back().text; }
};

}  // namespace lmk17::test
