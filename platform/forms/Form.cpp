#include "Form.h"

#include "platform/Program.h"
#include "platform/Units.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QScreen>

namespace platform::forms {
namespace {

Form* activeForm = nullptr;

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

} // namespace

class Form::Window : public QWidget {
public:
    explicit Window(Form& form) : form_(form) { setAttribute(Qt::WA_OpaquePaintEvent); }
    Form* form() const { return formAlive_ ? &form_ : nullptr; }
    void detach() { formAlive_ = false; }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), toQColor(form_.backColor_));
    }
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate && formAlive_ && form_.loaded_)
            form_.becomeActive();
        return QWidget::event(event);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        // Only keys no control raised: the form is the focus itself.
        if (formAlive_ && !keyAlreadyRaised(event))
            form_.handleOwnKey(event);
    }
    void closeEvent(QCloseEvent* event) override
    {
        // Closed by the player (the title bar's close button): unload as usual,
        // unless a handler cancels.
        if (formAlive_ && form_.loaded_ && !programEnded())
            form_.Unload(formControlMenu);
        if (formAlive_ && form_.loaded_ && !programEnded())
            event->ignore();
        else
            event->accept();
    }

private:
    Form& form_;
    bool formAlive_ = true;
};

// While the form is disabled, swallows every mouse and key event meant for
// its window, without disabling (and so greying) its widgets.
class Form::InputGuard : public QObject {
public:
    explicit InputGuard(QWidget* window) : QObject(window), window_(window) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!isInput(event->type()) || !watched->isWidgetType())
            return false;
        return static_cast<QWidget*>(watched)->window() == window_;
    }

private:
    QWidget* window_;
};

Form::Form() : window_(new Window(*this)), inputGuard_(new InputGuard(window_))
{
    window_->setFont(toQFont(defaultFont()));
    window_->setWindowTitle(QString());
}

Form::~Form()
{
    if (activeForm == this)
        activeForm = nullptr;
    qApp->removeEventFilter(inputGuard_);
    window_->detach();
    delete window_;
}

QWidget* Form::innerArea() const { return window_; }

QString Form::Caption() const { return window_->windowTitle(); }
void Form::setCaption(const QString& caption) { window_->setWindowTitle(caption); }

void Form::setBackColor(ColorValue color)
{
    if (color == backColor_)
        return;
    backColor_ = color;
    window_->update();
}

void Form::setIcon(const QIcon& icon)
{
    if (!icon.isNull()) {
        window_->setWindowIcon(icon);
        return;
    }
    // Qt would fall back to the application's icon; a clear picture shows none.
    QPixmap empty(16, 16);
    empty.fill(Qt::transparent);
    window_->setWindowIcon(QIcon(empty));
}

void Form::setFont(const FontSpec& font) { window_->setFont(toQFont(font)); }

void Form::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (enabled_)
        qApp->removeEventFilter(inputGuard_);
    else
        qApp->installEventFilter(inputGuard_);
}

void Form::setClientSize(int widthTwips, int heightTwips)
{
    window_->resize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
}

int Form::ScaleWidth() const { return pixelsToTwips(window_->width()); }
int Form::ScaleHeight() const { return pixelsToTwips(window_->height()); }

void Form::Initialize()
{
    if (initialized_)
        return;
    initialized_ = true;
    if (onInitialize && !programEnded())
        onInitialize();
}

void Form::Load()
{
    if (loaded_)
        return;
    Initialize();
    loaded_ = true;
    if (onLoad && !programEnded())
        onLoad();
}

void Form::Show()
{
    Load();
    if (!loaded_ || programEnded())
        return;
    // Without a window manager "maximised" does nothing and no window ever
    // becomes active: start from the screen's free area and ask for the
    // focus, so the window fills the screen and activates either way.
    if (const QScreen* screen = window_->screen())
        window_->setGeometry(screen->availableGeometry());
    window_->showMaximized();
    window_->raise();
    window_->activateWindow();
    becomeActive();
}

bool Form::Visible() const { return window_->isVisible(); }

void Form::Unload(UnloadMode mode)
{
    if (!loaded_ || unloading_)
        return;
    int cancel = 0;
    unloading_ = true;
    if (onQueryUnload && !programEnded())
        onQueryUnload(cancel, mode);
    if (cancel == 0 && onUnload && !programEnded())
        onUnload(cancel);
    unloading_ = false;
    if (cancel != 0 && !programEnded())
        return;

    loaded_ = false;
    if (activeForm == this)
        activeForm = nullptr;
    setEnabled(true);
    window_->hide();
    if (unloaded_)
        unloaded_();
}

Form* Form::active() { return activeForm; }

Form* Form::containing(const QWidget* widget)
{
    if (!widget)
        return nullptr;
    const auto* window = dynamic_cast<const Window*>(widget->window());
    return window ? window->form() : nullptr;
}

void Form::becomeActive()
{
    if (activeForm == this || programEnded())
        return;
    activeForm = this;
    if (onActivate)
        onActivate();
}

void Form::previewKeyDown(int& keyCode, int shift)
{
    if (KeyPreview && onKeyDown && keyCode != 0 && !programEnded())
        onKeyDown(keyCode, shift);
}

int Form::previewKeyPress(int keyAscii)
{
    if (KeyPreview && onKeyPress && keyAscii != 0 && !programEnded())
        onKeyPress(keyAscii);
    return keyAscii;
}

void Form::handleOwnKey(QKeyEvent* event)
{
    if (!enabled_ || programEnded())
        return;
    int keyCode = keyCodeOf(event);
    if (onKeyDown && keyCode != 0)
        onKeyDown(keyCode, shiftStateOf(event->modifiers()));
    if (keyCode == 0 && keyCodeOf(event) != 0)
        return;
    if (isAccessKeyChord(event))
        return;
    const QPointer<QWidget> alive(window_);
    for (const QChar character : charactersOf(event)) {
        if (!alive || !loaded_)
            return;
        int keyAscii = character.unicode();
        if (onKeyPress)
            onKeyPress(keyAscii);
    }
}

} // namespace platform::forms
