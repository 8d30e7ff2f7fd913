#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace platform {
namespace {

MessageBoxHandler& handler()
{
    static MessageBoxHandler installed;
    return installed;
}

} // namespace

void setMessageBoxHandler(MessageBoxHandler newHandler)
{
    handler() = std::move(newHandler);
}

void MsgBox(const QString& text)
{
    if (handler()) {
        handler()(text);
        return;
    }
    // No parent window: closing the window that asked for the box must not
    // take the box (still running its event loop) down with it.
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("TOLVANE"), text,
                                                QMessageBox::Ok);
    box->setWindowModality(Qt::ApplicationModal);
    box->exec();
    delete box.data();
}

} // namespace platform
