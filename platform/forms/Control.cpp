#include "Control.h"

#include "platform/Units.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace platform::forms {
namespace {

const char* const propriedadeSemJanela = "tolvane_semJanela";

bool semJanela(const QWidget* widget)
{
    return widget->property(propriedadeSemJanela).toBool();
}

// The back-most windowed sibling: windowless controls stack just under it.
QWidget* primeiroComJanela(const QWidget* widget)
{
    if (!widget->parentWidget())
        return nullptr;
    for (QObject* irmao : widget->parentWidget()->children()) {
        auto* outro = qobject_cast<QWidget*>(irmao);
        if (outro && outro != widget && outro->property(propriedadeSemJanela).isValid() && !semJanela(outro))
            return outro;
    }
    return nullptr;
}

int botoes(Qt::MouseButtons qt)
{
    return (qt & Qt::LeftButton ? 1 : 0) | (qt & Qt::RightButton ? 2 : 0) | (qt & Qt::MiddleButton ? 4 : 0);
}

int teclas(Qt::KeyboardModifiers qt)
{
    return (qt & Qt::ShiftModifier ? 1 : 0) | (qt & Qt::ControlModifier ? 2 : 0) | (qt & Qt::AltModifier ? 4 : 0);
}

} // namespace

// Turns Qt's mouse events on a control's area into the control's events.
class MouseFilter : public QObject {
public:
    MouseFilter(Control& control, QObject* parent) : QObject(parent), control_(control) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
            return control_.handleMouse(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event));
        default:
            return false;
        }
    }

private:
    Control& control_;
};

Control::Control(Container& container, QWidget* widget, Tipo tipo) : widget_(widget), tipo_(tipo)
{
    widget_->setParent(container.areaInterna());
    widget_->setProperty(propriedadeSemJanela, tipo_ == Tipo::semJanela);
    setMouseArea(widget_);
    ZOrder(Posicao::frente);
    widget_->show();
}

Control::~Control()
{
    delete widget_;
}

void Control::setMouseArea(QWidget* area)
{
    area->setMouseTracking(true);
    area->installEventFilter(new MouseFilter(*this, area));
}

bool Control::handleMouse(QWidget* area, QMouseEvent* event)
{
    // Our own widgets swallow their mouse events so that the container never
    // sees a move or click that happened over one of its controls; Qt's own
    // widgets (buttons, edit fields) still need theirs.
    const bool consome = clickFromMouse_;
    if (!enabled_)
        return consome;

    const int shift = teclas(event->modifiers());
    const float x = float(event->position().x() * twipsPerPixel);
    const float y = float(event->position().y() * twipsPerPixel);
    const QPointer<QWidget> vivo(widget_);

    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A double click's second press does not count as a second click.
        clickArmed_ = event->type() == QEvent::MouseButtonPress && event->button() == Qt::LeftButton;
        if (onMouseDown)
            onMouseDown(botoes(event->button()), shift, x, y);
        break;
    case QEvent::MouseMove:
        if (onMouseMove)
            onMouseMove(botoes(event->buttons()), shift, x, y);
        break;
    case QEvent::MouseButtonRelease: {
        const bool clique = clickFromMouse_ && clickArmed_ && event->button() == Qt::LeftButton
                            && area->rect().contains(event->position().toPoint());
        if (event->button() == Qt::LeftButton)
            clickArmed_ = false;
        if (onMouseUp)
            onMouseUp(botoes(event->button()), shift, x, y);
        // The handler may have closed the screen that owns this control.
        if (clique && vivo && onClick)
            onClick();
        break;
    }
    default:
        break;
    }
    return consome;
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
    if (tipo_ == Tipo::semJanela)
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

void Control::ZOrder(Posicao posicao)
{
    QWidget* fronteira = primeiroComJanela(widget_);
    if (tipo_ == Tipo::semJanela) {
        if (posicao == Posicao::fundo)
            widget_->lower();
        else if (fronteira)
            widget_->stackUnder(fronteira);
        else
            widget_->raise();
    } else {
        if (posicao == Posicao::frente)
            widget_->raise();
        else if (fronteira)
            widget_->stackUnder(fronteira);
        else
            widget_->raise(); // no other windowed control: it is already the back-most of its group
    }
}

void empilha(std::initializer_list<Control*> daFrenteParaOFundo)
{
    for (auto it = std::rbegin(daFrenteParaOFundo); it != std::rend(daFrenteParaOFundo); ++it)
        (*it)->ZOrder(Posicao::frente);
}

void ordemDeFoco(std::initializer_list<Control*> controles)
{
    const Control* anterior = nullptr;
    for (const Control* controle : controles) {
        if (anterior)
            QWidget::setTabOrder(anterior->widget(), controle->widget());
        anterior = controle;
    }
}

} // namespace platform::forms
