#pragma once

#include <QString>

namespace lmk17 {

// The kinds of message box the program shows.
enum class MessageKind { Warning, Error, Information, Confirmation };

// The one way the core talks to the user. The GUI implements it with modal
// message boxes, the CLI with terminal prompts or --yes/--no policies, the
// tests with scripted answers. A question may run a nested event loop.
class UserInteraction {
public:
    virtual ~UserInteraction() = default;

    virtual void message(MessageKind kind, const QString& text) = 0;
    // Yes/No question; true means Yes. Confirmations act only on Yes.
    virtual bool question(MessageKind kind, const QString& text) = 0;

    // The progress window: shown with a caption and a maximum, stepped to a
    // position, closed when the work ends.
    virtual void progressShow(const QString& caption, int maximum) = 0;
    virtual void progressStep(int position) = 0;
    virtual void progressClose() = 0;
};

}  // namespace lmk17
