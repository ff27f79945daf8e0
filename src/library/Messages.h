#pragma once

#include "history/Error.h"

#include <QString>

namespace velmora {

/// The icon of a message box.
enum class MessageIcon { Information, Exclamation, Question, Critical };

/// Message boxes, Yes/No questions and the one-line input box shown to the player. Tests answer
/// them with a fake.
class IMessages {
public:
    virtual ~IMessages() = default;
    /// A modal box with an OK button; an empty title means the program's name.
    virtual void Message(const QString& text, MessageIcon icon, const QString& title = {}) = 0;
    /// A modal Yes/No question; true when the player answers Yes.
    virtual bool Ask(const QString& text, MessageIcon icon, const QString& title = {}) = 0;
    /// A modal one-line input box under `prompt`; the text entered, empty when cancelled.
    virtual QString InputBox(const QString& prompt, const QString& title = {}) = 0;
};

/// Tells the player about a failure: its text in a box with the exclamation icon.
inline void ShowError(IMessages& messages, const Error& error) {
    messages.Message(QString::fromStdString(error.message), MessageIcon::Exclamation);
}

} // namespace velmora
