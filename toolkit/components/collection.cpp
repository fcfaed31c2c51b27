#include "toolkit/components/collection.h"

#include <algorithm>

#include "toolkit/components/class_builder.h"
#include "toolkit/components/stream_errors.h"

namespace tolsy {

const ClassInfo& CollectionItem::static_class_info() {
    static const ClassInfo info =
        declare_class<CollectionItem>("TCollectionItem", nullptr, [](auto&) {});
    return info;
}

const ClassInfo& Collection::static_class_info() {
    static const ClassInfo info = declare_class<Collection>("TCollection", nullptr, [](auto&) {});
    return info;
}

std::size_t CollectionItem::index() const {
    if (!collection_) return 0;
    const auto& items = collection_->items_;
    auto it =
        std::find_if(items.begin(), items.end(), [this](const auto& p) { return p.get() == this; });
    return static_cast<std::size_t>(it - items.begin());
}

Collection::Collection(const ClassInfo& item_class) : item_class_(item_class) {}

CollectionItem& Collection::add() {
    std::unique_ptr<Persistent> p = item_class_.create_persistent();
    auto* item = dynamic_cast<CollectionItem*>(p.get());
    if (!item)
        throw StreamError("Class " + item_class_.name() +
                          " cannot be created as a collection item");
    p.release();
    items_.emplace_back(item);
    item->collection_ = this;
    return *item;
}

void Collection::remove(std::size_t i) {
    if (i < items_.size()) items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
}

}  // namespace tolsy
