// The list and add-on base classes the storage rests on.
#include "storage/acClasses.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace storagetest {
namespace {

// Records its destruction in a shared log.
struct Tracked {
    Tracked(std::string tag, std::vector<std::string>& destroyed)
        : name(std::move(tag)), log(destroyed) {}
    ~Tracked() { log.push_back(name); }
    std::string name;
    std::vector<std::string>& log;
};

TEST(TacUniqueList, RefusesNullAndTheSameObjectButKeepsEqualOnes) {
    std::vector<std::string> log;
    Tracked a("same", log), b("same", log);
    ac::TacUniqueList<Tracked> list;
    EXPECT_EQ(list.Add(nullptr), -1);
    EXPECT_EQ(list.Add(&a), 0);
    EXPECT_EQ(list.Add(&a), -1);
    EXPECT_EQ(list.Add(&b), 1) << "another object with equal contents is kept";
    EXPECT_EQ(list.Count(), 2);
}

TEST(TacObjectList, OwningListDestroysItemsThatLeaveIt) {
    std::vector<std::string> log;
    {
        ac::TacObjectList<Tracked> list(true);
        for (const char* name : {"a", "b", "c", "d"})
            ASSERT_GE(list.Add(std::make_unique<Tracked>(name, log)), 0);
        list.Delete(1);
        EXPECT_EQ(log, (std::vector<std::string>{"b"}));
        Tracked* c = list.Items(1);
        EXPECT_EQ(list.Add(std::unique_ptr<Tracked>(c)), -1) << "already in the list";
        EXPECT_EQ(list.Count(), 3);
        EXPECT_EQ(log.size(), 1u) << "refusing a duplicate must not destroy the list's item";
    }
    EXPECT_EQ(log, (std::vector<std::string>{"b", "d", "c", "a"})) << "the last first";
}

TEST(TacObjectList, NonOwningListLeavesItemsAlone) {
    std::vector<std::string> log;
    Tracked a("a", log);
    {
        ac::TacObjectList<Tracked> list(false);
        EXPECT_EQ(list.Add(&a), 0);
        list.Clear();
        EXPECT_EQ(list.Count(), 0);
    }
    EXPECT_TRUE(log.empty());
}

class CountingAddon : public ac::TacAddon {
public:
    using TacAddon::TacAddon;
    int changes = 0;

protected:
    void Changed() override { ++changes; }
};

TEST(TacAddon, ChangeHookRunsOnlyOnARealChange) {
    CountingAddon addon(nullptr);
    EXPECT_FALSE(addon.Enabled());
    addon.SetEnabled(false);
    EXPECT_EQ(addon.changes, 0);
    addon.SetEnabled(true);
    addon.SetEnabled(true);
    EXPECT_EQ(addon.changes, 1);
    EXPECT_TRUE(addon.Enabled());
}

TEST(TacPersistent, DesignStateIsTheOwners) {
    vcl::TComponent owner(nullptr);
    ac::TacAddon addon(&owner);
    EXPECT_FALSE(addon.OwnerDesigning());
    owner.SetDesigning(true);
    EXPECT_TRUE(addon.OwnerDesigning());
    EXPECT_FALSE(ac::TacAddon(nullptr).OwnerDesigning());
}

} // namespace
} // namespace storagetest
