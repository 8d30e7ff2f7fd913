#include "Control.h"

#include "Form.h"
#include "platform/Units.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace platform::forms {
namespace {

const char* const windowlessProperty = "platform_windowless";

bool isWindowless(const QWidget* widget)
{
    return widget->property(windowlessProperty).toBool();
}

// The back-most windowed sibling: windowless controls stack just under it.
QWidget* backmostWindowed(const QWidget* widget)
{
    if (!widget->parentWidget())
        return nullptr;
    for (QObject* sibling : widget->parentWidget()->children()) {
        auto* other = qobject_cast<QWidget*>(sibling);
        if (other && other != widget && other->property(windowlessProperty).isValid() && !isWindowless(other))
            return other;
    }
    return nullptr;
}

int mouseButtons(Qt::MouseButtons qt)
{
    return (qt & Qt::LeftButton ? 1 : 0) | (qt & Qt::RightButton ? 2 : 0) | (qt & Qt::MiddleButton ? 4 : 0);
}

} // namespace

int shiftStateOf(Qt::KeyboardModifiers qt)
{
    return (qt & Qt::ShiftModifier ? 1 : 0) | (qt & Qt::ControlModifier ? 2 : 0) | (qt & Qt::AltModifier ? 4 : 0);
}

int keyCodeOf(const QKeyEvent* event)
{
    const int key = event->key();
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z) || key == Qt::Key_Space)
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Escape: return 27;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return 0;
    }
}

QString charactersOf(const QKeyEvent* event)
{
    if (!event->text().isEmpty())
        return event->text();
    switch (event->key()) {
    case Qt::Key_Escape: return QString(QChar(27));
    case Qt::Key_Return:
    case Qt::Key_Enter: return QString(QChar(13));
    case Qt::Key_Backspace: return QString(QChar(8));
    default: return {};
    }
}

namespace {
const QKeyEvent* lastRaisedKey = nullptr;
}

void markKeyRaised(const QKeyEvent* event) { lastRaisedKey = event; }
bool keyAlreadyRaised(const QKeyEvent* event) { return event == lastRaisedKey; }

bool isAccessKeyChord(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers held = event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);
    return held == Qt::AltModifier;
}

// Turns Qt's mouse and key events on a control's widgets into the control's events.
class InputFilter : public QObject {
public:
    InputFilter(Control& control, QObject* parent) : QObject(parent), control_(control) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
            return control_.handleMouse(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event));
        case QEvent::KeyPress:
            return control_.keysFromFilter_ && watched == control_.widget()
                   && control_.handleKey(static_cast<QKeyEvent*>(event));
        default:
            return false;
        }
    }

private:
    Control& control_;
};

Control::Control(Container& container, QWidget* widget, WidgetKind kind) : widget_(widget), kind_(kind)
{
    widget_->setParent(container.innerArea());
    widget_->setProperty(windowlessProperty, kind_ == WidgetKind::windowless);
    setMouseArea(widget_);
    ZOrder(ZOrderPosition::front);
    widget_->show();
}

Control::~Control()
{
    delete widget_;
}

void Control::setMouseArea(QWidget* area)
{
    area->setMouseTracking(true);
    area->installEventFilter(new InputFilter(*this, area));
}

bool Control::handleMouse(QWidget* area, QMouseEvent* event)
{
    // Our own widgets swallow their mouse events so that the container never
    // sees a move or click that happened over one of its controls; Qt's own
    // widgets (buttons, edit fields) still need theirs.
    const bool swallow = clickFromMouse_;
    if (!enabled_)
        return swallow;

    const int shift = shiftStateOf(event->modifiers());
    const float x = float(event->position().x() * twipsPerPixel);
    const float y = float(event->position().y() * twipsPerPixel);
    const QPointer<QWidget> alive(widget_);

    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A double click's second press does not count as a second click.
        clickArmed_ = event->type() == QEvent::MouseButtonPress && event->button() == Qt::LeftButton;
        if (onMouseDown)
            onMouseDown(mouseButtons(event->button()), shift, x, y);
        break;
    case QEvent::MouseMove:
        if (onMouseMove)
            onMouseMove(mouseButtons(event->buttons()), shift, x, y);
        break;
    case QEvent::MouseButtonRelease: {
        const bool click = clickFromMouse_ && clickArmed_ && event->button() == Qt::LeftButton
                           && area->rect().contains(event->position().toPoint());
        if (event->button() == Qt::LeftButton)
            clickArmed_ = false;
        if (onMouseUp)
            onMouseUp(mouseButtons(event->button()), shift, x, y);
        // The handler may have closed the screen that owns this control.
        if (click && alive && onClick)
            onClick();
        break;
    }
    default:
        break;
    }
    return swallow;
}

bool Control::raiseKeyDown(const QKeyEvent* event)
{
    markKeyRaised(event);
    int keyCode = keyCodeOf(event);
    if (keyCode == 0)
        return true; // a key without a classic code raises no KeyDown
    const int shift = shiftStateOf(event->modifiers());
    if (Form* form = Form::containing(widget_))
        form->previewKeyDown(keyCode, shift);
    if (onKeyDown && keyCode != 0)
        onKeyDown(keyCode, shift);
    return keyCode != 0;
}

int Control::raiseKeyPress(int keyAscii)
{
    Form* form = Form::containing(widget_);
    if (form)
        keyAscii = form->previewKeyPress(keyAscii);
    if (keyAscii != 0 && onKeyPress)
        onKeyPress(keyAscii);
    return keyAscii;
}

// A windowed control other than an edit field: KeyDown, then KeyPress for
// each character; Qt's own handling follows unless a handler swallowed it.
bool Control::handleKey(QKeyEvent* event)
{
    if (!enabled_)
        return true;
    const QPointer<QWidget> alive(widget_);
    if (!raiseKeyDown(event))
        return true;
    if (isAccessKeyChord(event))
        return false;
    bool dropped = false;
    for (const QChar character : charactersOf(event)) {
        if (!alive)
            return true;
        dropped |= raiseKeyPress(character.unicode()) == 0;
    }
    return dropped || !alive;
}

int Control::Left() const { return pixelsToTwips(widget_->x()); }
int Control::Top() const { return pixelsToTwips(widget_->y()); }
int Control::Width() const { return pixelsToTwips(widget_->width()); }
int Control::Height() const { return pixelsToTwips(widget_->height()); }

void Control::setLeft(int twips) { widget_->move(twipsToPixels(twips), widget_->y()); }
void Control::setTop(int twips) { widget_->move(widget_->x(), twipsToPixels(twips)); }
void Control::setWidth(int twips) { widget_->resize(twipsToPixels(twips), widget_->height()); }
void Control::setHeight(int twips) { widget_->resize(widget_->width(), twipsToPixels(twips)); }

void Control::Move(int left, int top)
{
    widget_->move(twipsToPixels(left), twipsToPixels(top));
}

void Control::Move(int left, int top, int width, int height)
{
    Move(left, top);
    setWidth(width);
    setHeight(height);
}

bool Control::Visible() const { return !widget_->isHidden(); }
void Control::setVisible(bool visible) { widget_->setVisible(visible); }

void Control::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    widget_->setEnabled(enabled);
    // A disabled windowless control lets the mouse through to what lies under it.
    if (kind_ == WidgetKind::windowless)
        widget_->setAttribute(Qt::WA_TransparentForMouseEvents, !enabled);
    enabledChanged();
}

QString Control::ToolTipText() const { return widget_->toolTip(); }
void Control::setToolTipText(const QString& text) { widget_->setToolTip(text); }

void Control::setMouseIcon(const QPixmap& pointer, QPoint hotSpot)
{
    if (pointer.isNull())
        widget_->unsetCursor();
    else
        widget_->setCursor(QCursor(pointer, hotSpot.x(), hotSpot.y()));
}

void Control::ZOrder(ZOrderPosition position)
{
    QWidget* boundary = backmostWindowed(widget_);
    if (kind_ == WidgetKind::windowless) {
        if (position == ZOrderPosition::back)
            widget_->lower();
        else if (boundary)
            widget_->stackUnder(boundary);
        else
            widget_->raise();
    } else {
        if (position == ZOrderPosition::front)
            widget_->raise();
        else if (boundary)
            widget_->stackUnder(boundary);
        else
            widget_->raise(); // no other windowed control: it is already the back-most of its group
    }
}

void Control::SetFocus()
{
    widget_->setFocus(Qt::OtherFocusReason);
}

void stackFrontToBack(std::initializer_list<Control*> frontToBack)
{
    for (auto it = std::rbegin(frontToBack); it != std::rend(frontToBack); ++it)
        (*it)->ZOrder(ZOrderPosition::front);
}

void setFocusOrder(std::initializer_list<Control*> controls)
{
    const Control* previous = nullptr;
    for (const Control* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous->widget(), control->widget());
        previous = control;
    }
}

} // namespace platform::forms
