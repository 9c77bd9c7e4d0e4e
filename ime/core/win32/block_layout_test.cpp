// The portable block layouts against the manager's own structures, and read back through the
// manager's functions from a real input context.
#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <vector>

#include "ime/core/candidate_info_block.h"
#include "ime/core/composition_string_block.h"
#include "ime/core/translation_list.h"
#include "ime/platform/win32/handles.h"
#include "ime/platform/win32/win32_input_method.h"

namespace kellavor::core {
namespace {

namespace cs = composition_string;
namespace ci = candidate_info;

static_assert(offsetof(COMPOSITIONSTRING, dwSize) == cs::kSize);
static_assert(offsetof(COMPOSITIONSTRING, dwCompReadAttrLen) == cs::kCompReadAttrLen);
static_assert(offsetof(COMPOSITIONSTRING, dwCompReadAttrOffset) == cs::kCompReadAttrOffset);
static_assert(offsetof(COMPOSITIONSTRING, dwCompReadClauseLen) == cs::kCompReadClauseLen);
static_assert(offsetof(COMPOSITIONSTRING, dwCompReadClauseOffset) == cs::kCompReadClauseOffset);
static_assert(offsetof(COMPOSITIONSTRING, dwCompReadStrLen) == cs::kCompReadStrLen);
static_assert(offsetof(COMPOSITIONSTRING, dwCompReadStrOffset) == cs::kCompReadStrOffset);
static_assert(offsetof(COMPOSITIONSTRING, dwCompAttrLen) == cs::kCompAttrLen);
static_assert(offsetof(COMPOSITIONSTRING, dwCompAttrOffset) == cs::kCompAttrOffset);
static_assert(offsetof(COMPOSITIONSTRING, dwCompClauseLen) == cs::kCompClauseLen);
static_assert(offsetof(COMPOSITIONSTRING, dwCompClauseOffset) == cs::kCompClauseOffset);
static_assert(offsetof(COMPOSITIONSTRING, dwCompStrLen) == cs::kCompStrLen);
static_assert(offsetof(COMPOSITIONSTRING, dwCompStrOffset) == cs::kCompStrOffset);
static_assert(offsetof(COMPOSITIONSTRING, dwCursorPos) == cs::kCursorPos);
static_assert(offsetof(COMPOSITIONSTRING, dwDeltaStart) == cs::kDeltaStart);
static_assert(offsetof(COMPOSITIONSTRING, dwResultReadClauseLen) == cs::kResultReadClauseLen);
static_assert(offsetof(COMPOSITIONSTRING, dwResultReadClauseOffset) == cs::kResultReadClauseOffset);
static_assert(offsetof(COMPOSITIONSTRING, dwResultReadStrLen) == cs::kResultReadStrLen);
static_assert(offsetof(COMPOSITIONSTRING, dwResultReadStrOffset) == cs::kResultReadStrOffset);
static_assert(offsetof(COMPOSITIONSTRING, dwResultClauseLen) == cs::kResultClauseLen);
static_assert(offsetof(COMPOSITIONSTRING, dwResultClauseOffset) == cs::kResultClauseOffset);
static_assert(offsetof(COMPOSITIONSTRING, dwResultStrLen) == cs::kResultStrLen);
static_assert(offsetof(COMPOSITIONSTRING, dwResultStrOffset) == cs::kResultStrOffset);
static_assert(offsetof(COMPOSITIONSTRING, dwPrivateSize) == cs::kPrivateSize);
static_assert(offsetof(COMPOSITIONSTRING, dwPrivateOffset) == cs::kPrivateOffset);
static_assert(sizeof(COMPOSITIONSTRING) == cs::kHeaderSize);

static_assert(offsetof(CANDIDATEINFO, dwSize) == ci::kSize);
static_assert(offsetof(CANDIDATEINFO, dwCount) == ci::kCount);
static_assert(offsetof(CANDIDATEINFO, dwOffset) == ci::kOffset);
static_assert(offsetof(CANDIDATEINFO, dwPrivateSize) == ci::kPrivateSize);
static_assert(offsetof(CANDIDATEINFO, dwPrivateOffset) == ci::kPrivateOffset);
static_assert(sizeof(CANDIDATEINFO) == ci::kList);
static_assert(offsetof(CANDIDATELIST, dwSize) == ci::kListSize);
static_assert(offsetof(CANDIDATELIST, dwStyle) == ci::kListStyle);
static_assert(offsetof(CANDIDATELIST, dwCount) == ci::kListCount);
static_assert(offsetof(CANDIDATELIST, dwSelection) == ci::kListSelection);
static_assert(offsetof(CANDIDATELIST, dwPageStart) == ci::kListPageStart);
static_assert(offsetof(CANDIDATELIST, dwPageSize) == ci::kListPageSize);
static_assert(offsetof(CANDIDATELIST, dwOffset) == ci::kListOffset);

static_assert(offsetof(TRANSMSGLIST, TransMsg) == kTranslationRecordsOffset);
static_assert(sizeof(TRANSMSG) == kTranslationRecordSize);

class BlockLayoutTest : public testing::Test {
 protected:
  void SetUp() override {
    context_ = ImmCreateContext();
    ASSERT_NE(context_, nullptr);
    locked_.emplace(port_, platform::ToContextHandle(context_));
    fields_ = locked_->fields();
    ASSERT_NE(fields_, nullptr);
  }
  void TearDown() override {
    locked_.reset();
    ImmDestroyContext(context_);
  }

  // A new block of the size, initialised and filled by fill, as the module selects a context.
  template <typename Fill>
  platform::BlockHandle NewBlock(size_t size, Fill fill) {
    platform::BlockHandle block = port_.ResizeBlock(port_.CreateBlock(4), size);
    {
      const platform::BlockLock locked(port_, block);
      EXPECT_EQ(locked.bytes().size(), size);
      fill(locked.bytes());
    }
    return block;
  }

  platform::Win32InputMethod port_;
  HIMC context_ = nullptr;
  std::optional<platform::ContextLock> locked_;
  platform::LockedContext fields_ = nullptr;
};

TEST_F(BlockLayoutTest, ApplicationsReadTheResultStringAndAnEmptyComposition) {
  port_.DestroyBlock(port_.CompositionStringBlock(fields_));
  port_.SetCompositionStringBlock(fields_, NewBlock(kCompositionStringBlockSize, [](std::span<uint8_t> bytes) {
    ASSERT_TRUE(InitCompositionStringBlock(bytes));
    WriteResultString(bytes, u"國語");
  }));

  wchar_t text[16] = {};
  EXPECT_EQ(ImmGetCompositionStringW(context_, GCS_RESULTSTR, text, sizeof(text)), 4);
  EXPECT_STREQ(text, L"國語");
  EXPECT_EQ(ImmGetCompositionStringW(context_, GCS_COMPSTR, text, sizeof(text)), 0);
  EXPECT_EQ(ImmGetCompositionStringW(context_, GCS_CURSORPOS, nullptr, 0), 0);

  {
    const platform::BlockLock locked(port_, port_.CompositionStringBlock(fields_));
    ClearCompositionStringBlock(locked.bytes());
  }
  EXPECT_EQ(ImmGetCompositionStringW(context_, GCS_RESULTSTR, text, sizeof(text)), 0);
}

TEST_F(BlockLayoutTest, ApplicationsReadOneCandidateListWithTheCounters) {
  port_.DestroyBlock(port_.CandidateInfoBlock(fields_));
  port_.SetCandidateInfoBlock(fields_, NewBlock(kCandidateInfoBlockSize, [](std::span<uint8_t> bytes) {
    ASSERT_TRUE(InitCandidateInfoBlock(bytes));
    SetCandidateListCount(bytes, 3);
  }));

  DWORD lists = 0;
  const DWORD size = ImmGetCandidateListCountW(context_, &lists);
  EXPECT_EQ(lists, 1u);
  ASSERT_GE(size, sizeof(CANDIDATELIST));
  std::vector<uint8_t> copy(size);
  auto* list = reinterpret_cast<CANDIDATELIST*>(copy.data());
  ASSERT_GT(ImmGetCandidateListW(context_, 0, list, size), 0u);
  EXPECT_EQ(list->dwCount, 3u);
  EXPECT_EQ(list->dwSelection, 0u);
  EXPECT_EQ(list->dwPageStart, 1u);
  EXPECT_EQ(list->dwPageSize, 1u);
}

TEST(TranslationListLayout, RecordsAreTheManagersMessageRecords) {
  TranslationListBuffer buffer(3);
  buffer.list().Store(1, {WM_IME_COMPOSITION, 5, GCS_RESULTSTR});
  const auto* list = static_cast<const TRANSMSGLIST*>(buffer.data());
  EXPECT_EQ(list->uMsgCount, 3u);
  const TRANSMSG* records = list->TransMsg;
  EXPECT_EQ(records[1].message, static_cast<UINT>(WM_IME_COMPOSITION));
  EXPECT_EQ(records[1].wParam, 5u);
  EXPECT_EQ(records[1].lParam, GCS_RESULTSTR);
}

}  // namespace
}  // namespace kellavor::core
