#pragma once
// Every message box of the viewer goes through here, so tests can watch them instead of
// blocking on a modal dialog.
#include <QString>

#include <functional>

class QWidget;

namespace ZrlApp {

enum class MessageKind { Information, Warning };

using MessageSink = std::function<void(MessageKind kind, const QString& caption, const QString& text)>;

// Shows a modal box, or hands the message to the installed sink.
void showMessage(QWidget* parent, MessageKind kind, const QString& caption, const QString& text);
// Replaces the boxes with a sink; an empty sink restores the boxes.
void setMessageSink(MessageSink sink);

} // namespace ZrlApp
