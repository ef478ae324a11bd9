// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <vector>

#include "core/base/error.h"

namespace xal {

// An ordered collection of shared objects, addressed by 1-based position. Items handed
// out are the collection's own objects, not copies. A position outside 1 to Count raises
// "Subscript out of range" (9).
template <typename T>
class Collection {
  public:
    using Pointer = std::shared_ptr<T>;

    Pointer Item(long position) const { return items_[IndexOfPosition(position)]; }

    long Count() const { return static_cast<long>(items_.size()); }

    // Removes an item; the items behind it move up one position.
    void Remove(long position) {
        items_.erase(items_.begin() + static_cast<long>(IndexOfPosition(position)));
    }

    // Enumerates the items in order.
    class Iterator {
      public:
        explicit Iterator(typename std::vector<Pointer>::const_iterator it) : it_(it) {}
        const Pointer& operator*() const { return *it_; }
        Iterator& operator++() {
            ++it_;
            return *this;
        }
        bool operator==(const Iterator& other) const = default;

      private:
        typename std::vector<Pointer>::const_iterator it_;
    };
    Iterator begin() const { return Iterator(items_.begin()); }
    Iterator end() const { return Iterator(items_.end()); }

  protected:
    Pointer Append(Pointer item) {
        items_.push_back(item);
        return item;
    }

  private:
    std::size_t IndexOfPosition(long position) const {
        if (position < 1 || position > Count()) Raise(ErrorNumber::SubscriptOutOfRange);
        return static_cast<std::size_t>(position - 1);
    }

    std::vector<Pointer> items_;
};

}  // namespace xal
