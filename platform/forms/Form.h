#pragma once
// A top-level window holding controls, with the classic life of a form:
//
//   Initialize  once, when the form is created (FormHolder does it);
//   Load        once, run by Load() or Show() before the window first shows;
//   Activate    each time it becomes the program's active form: when it is
//               shown, and when the player comes back to it from another of
//               the program's forms; a message box closing, or the program
//               getting the focus back from another application, is not an
//               activation;
//   QueryUnload and Unload, when the program or the player closes it; either
//               may cancel. The form then hides, and the FormHolder that made
//               it destroys it later, once no message box is open, so a form
//               may unload itself from inside its own handlers.
//
// A disabled form refuses mouse and key input without greying its controls.
// With KeyPreview the form sees every key before the control with the focus.
#include "Control.h"
#include "Font.h"
#include "platform/Colors.h"

#include <QIcon>
#include <functional>
#include <memory>

namespace platform::forms {

// Why a form is being unloaded, as QueryUnload receives it.
enum UnloadMode { formControlMenu = 0, formCode = 1 };

class Form : public Container {
public:
    Form();
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    QWidget* innerArea() const override;
    QWidget* widget() const { return innerArea(); }

    QString Caption() const;
    void setCaption(const QString& caption);
    ColorValue BackColor() const { return backColor_; }
    void setBackColor(ColorValue color);
    void setIcon(const QIcon& icon); // a null icon: the window shows none
    void setFont(const FontSpec& font);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // The inner area as designed, in twips; the window opens maximised over it.
    void setClientSize(int widthTwips, int heightTwips);
    int ScaleWidth() const;
    int ScaleHeight() const;

    void Initialize();
    void Load();
    bool Loaded() const { return loaded_; }
    // Loads the form if needed, shows it maximised over the screen, in front
    // of the program's other windows, and makes it the active form.
    void Show();
    bool Visible() const;
    void Unload(UnloadMode mode = formCode);

    // The program's active form, or nullptr.
    static Form* active();
    // The form whose window holds this widget, or nullptr.
    static Form* containing(const QWidget* widget);

    std::function<void()> onInitialize;
    std::function<void()> onLoad;
    std::function<void()> onActivate;
    std::function<void(int& Cancel, int UnloadMode)> onQueryUnload;
    std::function<void(int& Cancel)> onUnload;

    bool KeyPreview = false;
    KeyDownHandler onKeyDown;
    KeyPressHandler onKeyPress;

    // Used by FormHolder: called once the form has unloaded.
    void setUnloadedHandler(std::function<void()> handler) { unloaded_ = std::move(handler); }

    // The form's share of a key event, before the focused control's (only
    // with KeyPreview): KeyDown may set the code to 0 to swallow the key;
    // KeyPress gives back the character code that survives.
    void previewKeyDown(int& keyCode, int shift);
    int previewKeyPress(int keyAscii);

private:
    class Window;
    class InputGuard;
    friend class Window;
    void becomeActive();
    void handleOwnKey(class QKeyEvent* event);

    Window* window_;
    InputGuard* inputGuard_;
    ColorValue backColor_ = systemButtonFace;
    bool initialized_ = false;
    bool loaded_ = false;
    bool unloading_ = false;
    bool enabled_ = true;
    std::function<void()> unloaded_;
};

} // namespace platform::forms
