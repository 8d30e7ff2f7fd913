#pragma once
// A control array: one name, integer indices (not necessarily from 0), and
// one handler per event for all elements, which receives the index. A
// handler set on the array serves the elements loaded before and after it.
#include "Control.h"

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace platform::forms {

using IndexedMouseHandler = std::function<void(int Index, int Button, int Shift, float X, float Y)>;

template <class T>
class ControlArray {
public:
    ControlArray() = default;
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    std::function<void(int Index)> onClick;
    IndexedMouseHandler onMouseDown;
    IndexedMouseHandler onMouseMove;
    IndexedMouseHandler onMouseUp;

    // Creates the element with the given index; the arguments go to its constructor.
    template <class... Args>
    T& Load(int index, Args&&... args)
    {
        auto& slot = elements_[index];
        slot = std::make_unique<T>(std::forward<Args>(args)...);
        if constexpr (std::is_base_of_v<Control, T>)
            connect(*slot, index);
        return *slot;
    }

    // Addressing an index with no element is a programming error.
    T& operator()(int index) const
    {
        const auto it = elements_.find(index);
        if (it == elements_.end())
            throw std::out_of_range("control array has no element " + std::to_string(index));
        return *it->second;
    }

    bool contains(int index) const { return elements_.count(index) != 0; }
    int LBound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
    int UBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }
    int Count() const { return int(elements_.size()); }

    // Iterates the elements in index order as (index, element) pairs.
    auto begin() const { return elements_.begin(); }
    auto end() const { return elements_.end(); }

private:
    void connect(Control& element, int index)
    {
        element.onClick = [this, index] {
            if (onClick)
                onClick(index);
        };
        const auto forward = [this, index](IndexedMouseHandler ControlArray::*handler) {
            return [this, index, handler](int button, int shift, float x, float y) {
                if (this->*handler)
                    (this->*handler)(index, button, shift, x, y);
            };
        };
        element.onMouseDown = forward(&ControlArray::onMouseDown);
        element.onMouseMove = forward(&ControlArray::onMouseMove);
        element.onMouseUp = forward(&ControlArray::onMouseUp);
    }

    std::map<int, std::unique_ptr<T>> elements_;
};

} // namespace platform::forms
