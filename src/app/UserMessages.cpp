#include "app/UserMessages.h"

#include <QMessageBox>

namespace ZrlApp {

namespace {
MessageSink& installedSink()
{
    static MessageSink sink;
    return sink;
}
} // namespace

void showMessage(QWidget* parent, MessageKind kind, const QString& caption, const QString& text)
{
    if (const MessageSink& sink = installedSink()) {
        sink(kind, caption, text);
        return;
    }
    if (kind == MessageKind::Warning)
        QMessageBox::warning(parent, caption, text);
    else
        QMessageBox::information(parent, caption, text);
}

void setMessageSink(MessageSink sink) { installedSink() = std::move(sink); }

} // namespace ZrlApp
