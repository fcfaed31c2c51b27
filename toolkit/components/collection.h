#pragma once
// Collections: a published list of items of one item class, each with its own properties
// (TeThemeList1's `Themes`). Written as `Themes = < item ... end >`.
#include <memory>
#include <vector>

#include "toolkit/components/class_info.h"

namespace tolsy {

class Collection;

class CollectionItem : public Persistent {
    TOLSY_PERSISTENT(CollectionItem)

    Collection* collection() const { return collection_; }
    std::size_t index() const;

  private:
    friend class Collection;
    Collection* collection_ = nullptr;
};

class Collection : public Persistent {
    TOLSY_PERSISTENT(Collection)

    explicit Collection(const ClassInfo& item_class);

    const ClassInfo& item_class() const { return item_class_; }
    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    CollectionItem& at(std::size_t i) const { return *items_.at(i); }
    CollectionItem& add();  // a new item of the item class, at the end
    void remove(std::size_t i);
    void clear() { items_.clear(); }

  private:
    friend class CollectionItem;
    const ClassInfo& item_class_;
    std::vector<std::unique_ptr<CollectionItem>> items_;
};

// A collection whose items are T (a CollectionItem with a default constructor).
template <class T>
class CollectionOf : public Collection {
  public:
    CollectionOf() : Collection(T::static_class_info()) {}
    T& at(std::size_t i) const { return static_cast<T&>(Collection::at(i)); }
    T& add() { return static_cast<T&>(Collection::add()); }
};

}  // namespace tolsy
