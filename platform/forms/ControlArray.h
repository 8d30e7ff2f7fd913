#pragma once
// A control array: one name, integer indices (not necessarily from 0), one
// handler for all elements that receives the index.
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace platform::forms {

template <class T>
class ControlArray {
public:
    // Creates the element with the given index; the arguments go to its constructor.
    template <class... Args>
    T& Load(int index, Args&&... args)
    {
        auto& slot = elements_[index];
        slot = std::make_unique<T>(std::forward<Args>(args)...);
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
    std::map<int, std::unique_ptr<T>> elements_;
};

} // namespace platform::forms
