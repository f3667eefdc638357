#include "support/editor_contract.h"
#include "support/memory_editor.h"

namespace kakipo::test {
namespace {

struct MemoryEditorFixture {
  MemoryEditor memo;
  Editor& editor() { return memo; }
  void setText(const std::string& s) { memo.setText(s); }
};

using Implementations = ::testing::Types<MemoryEditorFixture>;
INSTANTIATE_TYPED_TEST_SUITE_P(InMemory, EditorContract, Implementations);

}  // namespace
}  // namespace kakipo::test
