// Base classes of the storage component and its settings.
//
// TacPersistent    a sub-object that remembers the component owning it.
// TacAddon         a sub-object with an Enabled switch and a change hook.
// TacComponent     a component with the (never stored) About text.
// TacUniqueList    a list of object references that refuses null and the
//                  same object twice (equal contents do not count).
// TacObjectList    a unique list that, when it owns its objects, destroys
//                  every item that leaves it (deleted, cleared, or the list
//                  destroyed), the last first.
#pragma once

#include "vcl/Component.h"

#include <memory>
#include <string>
#include <vector>

namespace ac {

class TacPersistent : public vcl::TPersistent {
public:
    explicit TacPersistent(vcl::TComponent* owner) : owner_(owner) {}

    static const vcl::ClassInfo& StaticClassInfo();
    const vcl::ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    vcl::TComponent* Owner() const { return owner_; }
    // Whether the owner is being edited in a form designer.
    virtual bool OwnerDesigning() const { return owner_ && owner_->Designing(); }

private:
    vcl::TComponent* const owner_;
};

class TacAddon : public TacPersistent {
public:
    using TacPersistent::TacPersistent;

    static const vcl::ClassInfo& StaticClassInfo();
    const vcl::ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    bool Enabled() const { return enabled_; }
    // Stores a different value and then calls Changed.
    void SetEnabled(bool enabled);

protected:
    // Called after Enabled changed; nothing to do here.
    virtual void Changed() {}

private:
    bool enabled_ = false;
};

class TacComponent : public vcl::TComponent {
public:
    using vcl::TComponent::TComponent;

    static const vcl::ClassInfo& StaticClassInfo();
    const vcl::ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    // A published text without behaviour, never stored in a definition.
    const std::string& About() const { return about_; }
    void SetAbout(const std::string& about) { about_ = about; }

private:
    std::string about_;
};

template <class T> class TacUniqueList {
public:
    TacUniqueList() = default;
    TacUniqueList(const TacUniqueList&) = delete;
    TacUniqueList& operator=(const TacUniqueList&) = delete;
    virtual ~TacUniqueList() = default;

    // Appends `item` and returns its index; returns -1 and leaves the list
    // unchanged for a null item or one that is in the list already.
    int Add(T* item) {
        if (!item || IndexOf(item) >= 0) return -1;
        items_.push_back(item);
        return static_cast<int>(items_.size() - 1);
    }

    int IndexOf(const T* item) const {
        for (size_t i = 0; i < items_.size(); ++i)
            if (items_[i] == item) return static_cast<int>(i);
        return -1;
    }

    int Count() const { return static_cast<int>(items_.size()); }
    T* Items(int index) const { return items_.at(static_cast<size_t>(index)); }

protected:
    std::vector<T*> items_;
};

template <class T> class TacObjectList : public TacUniqueList<T> {
public:
    explicit TacObjectList(bool ownsObjects) : ownsObjects_(ownsObjects) {}
    ~TacObjectList() override { Clear(); }

    bool OwnsObjects() const { return ownsObjects_; }

    using TacUniqueList<T>::Add;
    // Appends an item and takes ownership of it. A list that does not own
    // its objects cannot keep it: the item is destroyed and -1 returned.
    int Add(std::unique_ptr<T> item) {
        if (!ownsObjects_) return -1;
        if (item && this->IndexOf(item.get()) >= 0) {
            item.release(); // the list's own already; not ours to destroy
            return -1;
        }
        const int index = Add(item.get());
        if (index >= 0) item.release();
        return index;
    }

    void Delete(int index) {
        T* item = this->items_.at(static_cast<size_t>(index));
        this->items_.erase(this->items_.begin() + index);
        if (ownsObjects_) delete item;
    }

    void Clear() {
        while (!this->items_.empty())
            Delete(this->Count() - 1);
    }

private:
    const bool ownsObjects_;
};

} // namespace ac
