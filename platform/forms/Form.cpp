#include "Form.h"

#include "Programa.h"
#include "platform/Units.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QScreen>

namespace platform::forms {

class Form::Janela : public QWidget {
public:
    explicit Janela(Form& form) : form_(form) { setAttribute(Qt::WA_OpaquePaintEvent); }
    Form* form() const { return formVivo_ ? &form_ : nullptr; }
    void solta() { formVivo_ = false; }

protected:
    void paintEvent(QPaintEvent* evento) override
    {
        QPainter pintor(this);
        pintor.fillRect(evento->rect(), toQColor(form_.backColor_));
    }
    bool event(QEvent* evento) override
    {
        if (evento->type() == QEvent::WindowActivate && formVivo_ && !programaEncerrado() && form_.onActivate)
            form_.onActivate();
        return QWidget::event(evento);
    }
    void closeEvent(QCloseEvent* evento) override
    {
        // Closed by the player (the title bar's close button): unload as usual.
        if (formVivo_ && !form_.descarregado_ && !programaEncerrado())
            form_.Unload();
        evento->accept();
    }

private:
    Form& form_;
    bool formVivo_ = true;
};

Form::Form() : janela_(new Janela(*this))
{
    janela_->setFont(fonteQt(fontePadrao()));
    janela_->setWindowTitle(QString());
}

Form::~Form()
{
    janela_->solta();
    delete janela_;
}

QWidget* Form::areaInterna() const { return janela_; }

QString Form::Caption() const { return janela_->windowTitle(); }
void Form::setCaption(const QString& caption) { janela_->setWindowTitle(caption); }

void Form::setBackColor(ColorValue color)
{
    if (color == backColor_)
        return;
    backColor_ = color;
    janela_->update();
}

void Form::setIcon(const QIcon& icon)
{
    if (!icon.isNull()) {
        janela_->setWindowIcon(icon);
        return;
    }
    // Qt would fall back to the application's icon; a clear picture shows none.
    QPixmap vazio(16, 16);
    vazio.fill(Qt::transparent);
    janela_->setWindowIcon(QIcon(vazio));
}

void Form::setFont(const Fonte& fonte) { janela_->setFont(fonteQt(fonte)); }

bool Form::Enabled() const { return janela_->isEnabled(); }
void Form::setEnabled(bool enabled) { janela_->setEnabled(enabled); }

void Form::setClientSize(int widthTwips, int heightTwips)
{
    janela_->resize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
}

int Form::ScaleWidth() const { return pixelsToTwips(janela_->width()); }
int Form::ScaleHeight() const { return pixelsToTwips(janela_->height()); }

void Form::Show()
{
    // Without a window manager "maximised" does nothing and no window ever
    // becomes active: start from the screen's free area and ask for the
    // focus, so the window fills the screen and activates either way.
    if (const QScreen* tela = janela_->screen())
        janela_->setGeometry(tela->availableGeometry());
    janela_->showMaximized();
    janela_->activateWindow();
}

bool Form::Visible() const { return janela_->isVisible(); }

void Form::Unload()
{
    if (descarregado_)
        return;
    descarregado_ = true;
    const QPointer<QWidget> vivo(janela_);
    if (onUnload && !programaEncerrado())
        onUnload();
    // The handler may have ended the program and destroyed this form.
    if (vivo)
        vivo->close();
}

} // namespace platform::forms
