#pragma once
// A top-level window holding controls. The screen class that owns it runs
// its own Initialize in its constructor and calls Load when it is loaded;
// the form raises Activate each time it becomes the active window and
// Unload when it is closed, whether by the program or by the player.
#include "Control.h"
#include "Fonte.h"
#include "platform/Colors.h"

#include <QIcon>
#include <functional>
#include <memory>

namespace platform::forms {

class Form : public Container {
public:
    Form();
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    QWidget* areaInterna() const override;
    QWidget* widget() const { return areaInterna(); }

    QString Caption() const;
    void setCaption(const QString& caption);
    ColorValue BackColor() const { return backColor_; }
    void setBackColor(ColorValue color);
    void setIcon(const QIcon& icon); // a null icon: the window shows none
    void setFont(const Fonte& fonte);
    bool Enabled() const;
    void setEnabled(bool enabled);

    // The inner area as designed, in twips; the window opens maximised over it.
    void setClientSize(int widthTwips, int heightTwips);
    int ScaleWidth() const;
    int ScaleHeight() const;

    void Show();
    bool Visible() const;
    // Runs Unload and closes the window.
    void Unload();

    std::function<void()> onActivate;
    std::function<void()> onUnload;

private:
    class Janela;
    friend class Janela;
    Janela* janela_;
    ColorValue backColor_ = 0x8000000F;
    bool descarregado_ = false;
};

} // namespace platform::forms
