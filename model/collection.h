#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/error.h"

namespace xal {

// An ordered collection of shared objects, addressed by 1-based position or by an
// optional text key. Items handed out are the collection's own objects, not copies.
// A position outside 1 to Count raises "Subscript out of range" (9); a key that no
// item has raises "Invalid procedure call or argument" (5).
template <typename T>
class Collection {
    struct Entry {
        std::shared_ptr<T> item;
        std::string key;
    };

  public:
    using Pointer = std::shared_ptr<T>;

    Pointer Item(long position) const { return items_[IndexOfPosition(position)].item; }
    Pointer Item(const std::string& key) const { return items_[IndexOfKey(key)].item; }

    long Count() const { return static_cast<long>(items_.size()); }

    // Removes an item; the items behind it move up one position.
    void Remove(long position) { Erase(IndexOfPosition(position)); }
    void Remove(const std::string& key) { Erase(IndexOfKey(key)); }

    // Enumerates the items in order.
    class Iterator {
      public:
        explicit Iterator(typename std::vector<Entry>::const_iterator it) : it_(it) {}
        const Pointer& operator*() const { return it_->item; }
        Iterator& operator++() {
            ++it_;
            return *this;
        }
        bool operator==(const Iterator& other) const = default;

      private:
        typename std::vector<Entry>::const_iterator it_;
    };
    Iterator begin() const { return Iterator(items_.begin()); }
    Iterator end() const { return Iterator(items_.end()); }

  protected:
    Pointer Append(Pointer item, const std::string& key) {
        if (!key.empty()) {
            for (const auto& entry : items_)
                if (entry.key == key)
                    Raise(457, "This key is already associated with an element of this collection");
        }
        items_.push_back({item, key});
        return item;
    }

  private:
    std::size_t IndexOfPosition(long position) const {
        if (position < 1 || position > Count()) Raise(ErrorNumber::SubscriptOutOfRange);
        return static_cast<std::size_t>(position - 1);
    }
    std::size_t IndexOfKey(const std::string& key) const {
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (!key.empty() && items_[i].key == key) return i;
        Raise(ErrorNumber::InvalidArgument);
    }
    void Erase(std::size_t index) { items_.erase(items_.begin() + static_cast<long>(index)); }

    std::vector<Entry> items_;
};

}  // namespace xal
