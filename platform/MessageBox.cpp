#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include <vector>

namespace platform {
namespace {

MessageBoxHandler& handler()
{
    static MessageBoxHandler installed;
    return installed;
}

QString& title()
{
    static QString text;
    return text;
}

int openBoxes = 0;

std::vector<std::function<void()>>& waitingTasks()
{
    static std::vector<std::function<void()>> tasks;
    return tasks;
}

void post(std::function<void()> task)
{
    QMetaObject::invokeMethod(
        qApp,
        [task = std::move(task)] {
            if (openBoxes > 0)
                waitingTasks().push_back(task);
            else
                task();
        },
        Qt::QueuedConnection);
}

// Counts a box as open for as long as it is shown; the tasks that waited for
// the last box to close go back to the event loop.
class OpenBox {
public:
    OpenBox() { ++openBoxes; }
    ~OpenBox()
    {
        if (--openBoxes > 0)
            return;
        std::vector<std::function<void()>> tasks;
        tasks.swap(waitingTasks());
        for (auto& task : tasks)
            post(std::move(task));
    }
    OpenBox(const OpenBox&) = delete;
    OpenBox& operator=(const OpenBox&) = delete;
};

} // namespace

void setMessageBoxTitle(const QString& text) { title() = text; }

void setMessageBoxHandler(MessageBoxHandler newHandler)
{
    handler() = std::move(newHandler);
}

bool messageBoxOpen() { return openBoxes > 0; }

void postWhenNoMessageBox(std::function<void()> task)
{
    post(std::move(task));
}

void MsgBox(const QString& text)
{
    const OpenBox open;
    if (handler()) {
        const MessageBoxHandler current = handler(); // the handler may replace itself
        current(text);
        return;
    }
    // No parent window: closing the window that asked for the box must not
    // take the box (still running its event loop) down with it.
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::NoIcon, title(), text, QMessageBox::Ok);
    box->setWindowModality(Qt::ApplicationModal);
    box->exec();
    delete box.data();
}

} // namespace platform
