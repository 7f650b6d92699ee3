#include <gtest/gtest.h>

#include "platform/component.h"
#include "platform/exceptions.h"
#include "platform/random.h"

namespace zyl {
namespace {

class TPointValue : public TPersistent {
 public:
  int X = 0;
  void Assign(const TPersistent* Source) override {
    if (const auto* p = dynamic_cast<const TPointValue*>(Source)) {
      X = p->X;
      return;
    }
    TPersistent::Assign(Source);
  }
};

class TOtherValue : public TPersistent {};

TEST(Persistent, AssignCopiesSameClassAndRefusesOthers) {
  TPointValue a, b;
  b.X = 7;
  a.Assign(&b);
  EXPECT_EQ(a.X, 7);

  TOtherValue other;
  try {
    a.Assign(&other);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"Cannot assign a TOtherValue to a TPointValue");
    EXPECT_STREQ(e.what(), "Cannot assign a TOtherValue to a TPointValue");
  }
  try {
    a.Assign(nullptr);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"Cannot assign a nil to a TPointValue");
  }
}

TEST(Component, OwnerFreesChildrenAndChildrenLeaveOnDeletion) {
  int destroyed = 0;
  struct Probe : TComponent {
    Probe(TComponent* owner, int& counter) : TComponent(owner), FCounter(counter) {}
    ~Probe() override { ++FCounter; }
    int& FCounter;
  };
  {
    TComponent owner(nullptr);
    auto* a = new Probe(&owner, destroyed);
    new Probe(&owner, destroyed);
    auto* grandchild = new Probe(a, destroyed);
    EXPECT_EQ(owner.ComponentCount(), 2);
    EXPECT_EQ(grandchild->Owner(), a);
    delete a;  // takes its own child along, and leaves owner's list
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(5), nullptr);
  }
  EXPECT_EQ(destroyed, 3);
}

TEST(Component, InsertMovesOwnership) {
  TComponent first(nullptr), second(nullptr);
  auto* c = new TComponent(&first);
  second.InsertComponent(c);
  EXPECT_EQ(first.ComponentCount(), 0);
  EXPECT_EQ(second.ComponentCount(), 1);
  EXPECT_EQ(c->Owner(), &second);
  EXPECT_EQ(c->ClassName(), u"TComponent");
}

// Owning itself or an owner would make the tree free a component twice.
TEST(Component, RefusesToOwnItselfOrAnOwner) {
  TComponent root(nullptr);
  auto* child = new TComponent(&root);
  auto* grandchild = new TComponent(child);
  EXPECT_THROW(child->InsertComponent(child), EComponentError);
  EXPECT_THROW(grandchild->InsertComponent(root.Components(0)), EComponentError);
  EXPECT_THROW(grandchild->InsertComponent(&root), EComponentError);
  EXPECT_EQ(child->Owner(), &root) << "nothing changed";
  EXPECT_EQ(grandchild->Owner(), child);
  EXPECT_EQ(child->ComponentCount(), 1);
}

TEST(Random, FollowsTheHostGenerator) {
  RandSeed = 0;
  EXPECT_EQ(Random(100), 0);
  EXPECT_EQ(RandSeed, 1);
  EXPECT_EQ(Random(100), 3);
  EXPECT_EQ(RandSeed, 134775814);
  // The state wraps modulo 2^32 and reads back as a signed value.
  RandSeed = -1;
  Random(10);
  EXPECT_EQ(RandSeed, static_cast<std::int32_t>(0xFFFFFFFFu * 134775813u + 1u));
  RandSeed = 12345;
  const double r = Random();
  EXPECT_DOUBLE_EQ(r, static_cast<double>(12345u * 134775813u + 1u) / 4294967296.0);
  for (int i = 0; i < 1000; ++i) {
    const int v = Random(7);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 7);
  }
  EXPECT_EQ(Random(0), 0);
}

}  // namespace
}  // namespace zyl
