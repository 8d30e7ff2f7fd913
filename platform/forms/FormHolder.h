#pragma once
// A form's name as the program uses it: referring to the form creates it
// (and runs its Initialize), unloading it lets it go, and referring to it
// again afterwards creates a new one from scratch. The unloaded form is
// destroyed later, from the event loop and only once no message box is open,
// because it may have unloaded itself from inside its own handler or from a
// timer tick behind its own message box.
//
// T is a screen class with its window as the member `Me`.
#include "platform/MessageBox.h"

#include <functional>
#include <memory>
#include <vector>

namespace platform::forms {

template <class T>
class FormHolder {
public:
    using Factory = std::function<std::unique_ptr<T>()>;
    explicit FormHolder(Factory factory) : factory_(std::move(factory)) {}
    FormHolder(const FormHolder&) = delete;
    FormHolder& operator=(const FormHolder&) = delete;

    // The form, created now if there is none.
    T& operator()()
    {
        if (!form_) {
            form_ = factory_();
            form_->Me.setUnloadedHandler([this] { release(); });
            form_->Me.Initialize();
        }
        return *form_;
    }

    // The form if it exists, without creating it.
    T* get() const { return form_.get(); }
    bool Loaded() const { return form_ && form_->Me.Loaded(); }

private:
    void release()
    {
        unloaded_.push_back(std::move(form_));
        postWhenNoMessageBox([alive = std::weak_ptr<int>(alive_), this] {
            if (!alive.expired())
                unloaded_.clear();
        });
    }

    Factory factory_;
    std::unique_ptr<T> form_;
    std::vector<std::unique_ptr<T>> unloaded_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

} // namespace platform::forms
