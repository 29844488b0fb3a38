#pragma once

#include <QString>

#include "common/user_interaction.h"
#include "link/transaction_engine.h"

namespace lmk17 {

// The routines every operation shares that talk to the user: the repeat
// question after a failed exchange, breaking an operation, a question that
// pauses it and the progress window. They keep the names the program's
// documents give them; the engine gives them the operation and the line.

// Shows (with caption, gauge maximum and the cable warning when asked) or
// closes the progress window.
void ShowProgress(TransactionEngine& engine, bool show, bool warning = false, int maximum = 0,
                  const QString& caption = QString());

// The repeat question after a failed exchange (write: the exchange wrote).
// Yes repeats the same request; No (or a line another device keeps busy)
// ends the operation; with no port open, Yes ends it and asks for the
// options dialog.
void ErrorRWP52(TransactionEngine& engine, bool write);

// A question asked while the running operation waits (closing the program,
// breaking): on No the progress window comes back and an answer that arrived
// meanwhile is dispatched. True on Yes: the caller ends the operation.
bool AskPausingOperation(TransactionEngine& engine, Question id, MessageKind kind,
                         const QString& text);

// Esc while an operation runs: "Do you really want to break operation?".
void BreakOperation(TransactionEngine& engine);

// The caption of the engine's own progress window while a request waits
// for a quiet line, in the user's language.
void captionQuietLineWait(TransactionEngine& engine);

}  // namespace lmk17
