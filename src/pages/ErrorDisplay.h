#pragma once

#include <QString>

#include <functional>

// The one error display: every event handler runs through RunGuarded, which shows an error that
// leaves the handler and lets the program go on. What the handler stored before the error stays.

namespace quillon {

void RunGuarded(const std::function<void()>& handler);

// Wraps a handler for connect(): connect(button, &QPushButton::clicked, this, Guarded([this] { ... }));
template <class F> auto Guarded(F handler) {
    return [handler]() mutable { RunGuarded(handler); };
}

// A critical message box with the application title as caption, the message and an OK button.
void ShowError(const QString& message);

// Sends the messages elsewhere (tests collect them); an empty sink restores the message box.
using ErrorSink = std::function<void(const QString&)>;
void SetErrorSink(ErrorSink sink);

} // namespace quillon
