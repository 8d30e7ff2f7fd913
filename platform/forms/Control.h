#pragma once
// What every visible control shares: place and size in twips, Visible,
// Enabled, tool tip, mouse pointer, stacking, and the mouse events.
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

class QMouseEvent;

namespace platform::forms {

// Mouse events: Button holds the buttons (1 left, 2 right, 4 middle), Shift
// the keys held (1 Shift, 2 Ctrl, 4 Alt), X and Y the position in twips in
// the control's own inner area.
using MouseHandler = std::function<void(int Button, int Shift, float X, float Y)>;

// Something that holds controls: a form or a picture box.
class Container {
public:
    virtual ~Container() = default;
    virtual QWidget* areaInterna() const = 0;
};

enum class Tipo { comJanela, semJanela };
enum class Posicao { frente = 0, fundo = 1 };

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

    void ZOrder(Posicao posicao = Posicao::frente);

    std::function<void()> onClick;
    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;

    QWidget* widget() const { return widget_; }

protected:
    // Takes ownership of the widget and places it in the container.
    Control(Container& container, QWidget* widget, Tipo tipo);

    // The widget whose coordinates the mouse events report (a picture box
    // reports in its inner area, inside the border).
    void setMouseArea(QWidget* area);
    // A push button raises Click itself, from the mouse and the keyboard.
    void setClickFromMouse(bool fromMouse) { clickFromMouse_ = fromMouse; }
    virtual void enabledChanged() {}

private:
    friend class MouseFilter;
    bool handleMouse(QWidget* area, QMouseEvent* event);

    QPointer<QWidget> widget_; // Qt may have deleted it with its container
    Tipo tipo_;
    bool enabled_ = true;
    bool clickFromMouse_ = true;
    bool clickArmed_ = false;
};

// Stacks controls of one container in the order given, front-most first.
void empilha(std::initializer_list<Control*> daFrenteParaOFundo);

// The keyboard focus order (Tab) of a screen's focusable controls.
void ordemDeFoco(std::initializer_list<Control*> controles);

} // namespace platform::forms
