#pragma once

#include <QString>

#include <exception>
#include <functional>

class QWidget;

// The one error display: every event handler runs through RunGuarded, which shows an error that
// leaves the handler and lets the program go on. What the handler stored before the error stays.

namespace quillon {

void RunGuarded(const std::function<void()>& handler);

// Wraps a handler for connect(): connect(button, &QPushButton::clicked, this, Guarded([this] { ... }));
template <class F> auto Guarded(F handler) {
    return [handler]() mutable { RunGuarded(handler); };
}

// The error's message in the current language; an error the core does not know by kind keeps its own text.
QString ErrorMessage(const std::exception& error);

// A critical message box with the application title as caption, the message and an OK button.
void ShowError(const QString& message);

// Sends the messages elsewhere (tests collect them); an empty sink restores the message box.
using ErrorSink = std::function<void(const QString&)>;
void SetErrorSink(ErrorSink sink);

// Names field as the one whose text the error being thrown comes from; the first note counts.
void NoteFailingField(const QWidget* field);

// Runs read, an evaluation of field's text. An error that leaves it names the field, so that the
// display, once the message is closed, leads the user there.
template <class Read> auto ReadingField(const QWidget* field, Read&& read) -> decltype(read()) {
    try {
        return read();
    } catch (...) {
        NoteFailingField(field);
        throw;
    }
}
// The field named by the error being handled, or null; the note is cleared.
QWidget* TakeFailingField();

// Shows the page the field is on (in every tab widget above it) and gives the field the focus with its
// text selected, where the field can take it; a hidden or disabled field only has its page shown.
void LeadToField(QWidget* field);

} // namespace quillon
