#pragma once
// What every visible control shares: place and size in twips, Visible,
// Enabled, tool tip, mouse pointer, stacking, and the mouse and key events.
//
// Windowless controls (labels, images) always lie below the windowed ones
// (picture boxes, buttons, text boxes) of the same container. A new control
// goes in front of its group; ZOrder moves it within the group.
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <initializer_list>

class QKeyEvent;
class QMouseEvent;

namespace platform::forms {

// Mouse events: Button holds the buttons (1 left, 2 right, 4 middle), Shift
// the keys held (1 Shift, 2 Ctrl, 4 Alt), X and Y the position in twips in
// the control's own inner area.
using MouseHandler = std::function<void(int Button, int Shift, float X, float Y)>;
// KeyDown: the key's classic code (27 Esc, 13 Enter, 37..40 arrows, 65..90
// letters...) and Shift; setting KeyCode to 0 swallows the key.
using KeyDownHandler = std::function<void(int& KeyCode, int Shift)>;
// KeyPress: the character's 16-bit code; the handler may change it, or set
// it to 0 to drop the character.
using KeyPressHandler = std::function<void(int& KeyAscii)>;

// Something that holds controls: a form or a picture box.
class Container {
public:
    virtual ~Container() = default;
    virtual QWidget* innerArea() const = 0;
};

enum class WidgetKind { windowed, windowless };
enum class ZOrderPosition { front = 0, back = 1 };

// A label's or picture box's border: none, or a thin sunken line.
enum class Border { none, fixedSingle };

class Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void setLeft(int twips);
    void setTop(int twips);
    virtual void setWidth(int twips);
    virtual void setHeight(int twips);
    void Move(int left, int top);
    void Move(int left, int top, int width, int height);

    bool Visible() const;
    void setVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    QString ToolTipText() const;
    void setToolTipText(const QString& text);

    // A custom mouse pointer; the hot spot is in the picture's pixels.
    void setMouseIcon(const QPixmap& pointer, QPoint hotSpot);

    void ZOrder(ZOrderPosition position = ZOrderPosition::front);
    // Gives the keyboard focus to a windowed control.
    void SetFocus();

    std::function<void()> onClick;
    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;
    // Keys reach the windowed control that has the focus, after the form's
    // own handlers when the form previews keys (Form::KeyPreview).
    KeyDownHandler onKeyDown;
    KeyPressHandler onKeyPress;

    QWidget* widget() const { return widget_; }

protected:
    // Takes ownership of the widget and places it in the container.
    Control(Container& container, QWidget* widget, WidgetKind kind);

    // The widget whose coordinates the mouse events report (a picture box
    // reports in its inner area, inside the border).
    void setMouseArea(QWidget* area);
    // A push button raises Click itself, from the mouse and the keyboard.
    void setClickFromMouse(bool fromMouse) { clickFromMouse_ = fromMouse; }
    // An edit field raises its key events itself, as it types.
    void setKeysFromFilter(bool fromFilter) { keysFromFilter_ = fromFilter; }
    virtual void enabledChanged() {}

    // KeyDown for a key event, the form's first; false when a handler swallowed the key.
    bool raiseKeyDown(const QKeyEvent* event);
    // KeyPress for one character, the form's first; the code that survives, 0 when dropped.
    int raiseKeyPress(int keyAscii);

private:
    friend class InputFilter;
    bool handleMouse(QWidget* area, QMouseEvent* event);
    bool handleKey(QKeyEvent* event);

    QPointer<QWidget> widget_; // Qt may have deleted it with its container
    WidgetKind kind_;
    bool enabled_ = true;
    bool clickFromMouse_ = true;
    bool keysFromFilter_ = true;
    bool clickArmed_ = false;
};

// The classic key code of a Qt key event, and the characters it types (Esc,
// Enter, Backspace and Tab included, which some platforms send without text).
int keyCodeOf(const QKeyEvent* event);
QString charactersOf(const QKeyEvent* event);
int shiftStateOf(Qt::KeyboardModifiers modifiers);
// Alt alone held: the key is a menu or access key, never text to type.
bool isAccessKeyChord(const QKeyEvent* event);
// A key event a control has already raised its events for: Qt passes a key a
// widget ignores on to its parents, and the form must not raise it again.
void markKeyRaised(const QKeyEvent* event);
bool keyAlreadyRaised(const QKeyEvent* event);

// Stacks controls of one container in the order given, front-most first.
void stackFrontToBack(std::initializer_list<Control*> frontToBack);

// The keyboard focus order (Tab) of a screen's focusable controls.
void setFocusOrder(std::initializer_list<Control*> controls);

} // namespace platform::forms
