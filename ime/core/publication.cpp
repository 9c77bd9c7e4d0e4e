// Publication of the engine state (the candidate page, the composition text, the detail document)
// and the commit of finished text to the application.
#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ime/core/candidate_pages.h"
#include "ime/core/composition_string_block.h"
#include "ime/core/context_blocks.h"
#include "ime/core/detail_document.h"
#include "ime/core/ime_core.h"
#include "ime/core/ime_messages.h"
#include "ime/core/traditional_conversion.h"
#include "ime/core/virtual_keys.h"
#include "ime/platform/module_resources.h"

namespace kellavor::core {
namespace {

using namespace lexicon::candidate_item_kind;

constexpr std::u16string_view kConversionTableType = u"Gbtobig5";
constexpr uint16_t kConversionTableResource = 161;

// A word's explanation as a hint: up to its first "\n" (a backslash and an n).
std::u16string_view HintOf(std::u16string_view explanation) {
  return explanation.substr(0, std::min(explanation.find(u"\\n"), explanation.size()));
}

std::string_view DetailTemplate() {
  const std::span<const uint8_t> bytes = platform::FindModuleResource(platform::kHtmlResourceType,
                                                                      kDetailTemplateResource);
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace

std::u16string ImeCore::ToTraditionalText(std::u16string_view text) const {
  return ToTraditional(text, platform::FindModuleResource(kConversionTableType, kConversionTableResource));
}

lexicon::CandidateItem ImeCore::DisplayItem(const lexicon::Candidate& candidate, std::u16string& hint,
                                            std::u16string& converted) {
  lexicon::CandidateItem item = lexicon_.DescribeCandidate(candidate);
  item.hint = nullptr;
  if (IsGermanMode() && settings_.showmode == 1) {
    hint = HintOf(lexicon_.WordExplanation(candidate));
    item.hint = hint.c_str();
  }
  if (settings_.big5mode != 0 && item.kind != kSurrogatePair) {
    const std::u16string_view text = item.kind == kOneUnit ? std::u16string_view(item.units, 1)
                                     : item.text != nullptr ? std::u16string_view(item.text)
                                                            : std::u16string_view();
    converted = ToTraditionalText(text);
    if (!converted.empty()) {
      item.kind = kString;
      item.text = converted.c_str();
    }
  }
  return item;
}

void ImeCore::Publish() {
  const int32_t count = candidates_.count();
  const int32_t start = PageStart(pageIndex_, pageSize_);
  const int32_t entries = EntriesOnPage(count, pageIndex_, pageSize_);
  // An edit may have shortened the list under the highlight: it goes to the last entry shown.
  if (const uint16_t shown = CurrentSelection(); shown != selection_) {
    selection_ = shown;
    panel_.SetHighlight(selection_);
  }

  panel_.ClearCandidates();
  for (int32_t i = start; i < start + entries; ++i) {
    std::u16string hint;
    std::u16string converted;
    panel_.AddCandidate(context_, DisplayItem(candidates_.At<lexicon::Candidate>(i), hint, converted));
  }
  panel_.SetPageButtons(pageIndex_ != 0, start + entries < count);
  PublishComposition();
  NotifyUiWindow(port_, panel_, context_, kWmImeUiRefresh);
  messages_.GenerateMessage(context_, kWmImeComposition, 0, kCompositionChanged);
  if (IsGermanMode() && settings_.Detail_Show != 0) PublishDetail();
}

void ImeCore::PublishComposition() {
  if (IsGermanMode()) {
    panel_.SetComposition(composition_, cursor_);
    return;
  }
  std::u16string text = SegmentTexts();
  const size_t converted = text.size();
  size_t caret = converted + cursor_;
  const int32_t start = PageStart(pageIndex_, pageSize_);
  if (start < candidates_.count()) {
    const lexicon::Candidate& first = candidates_.At<lexicon::Candidate>(start);
    const size_t consumed = std::min<size_t>(first.consumed, composition_.size());
    const std::vector<uint16_t> codes = lexicon_.SyllableCodes(first);
    std::u16string reading;
    const size_t separators = lexicon_.FormatReading(codes, std::u16string_view(composition_).substr(0, consumed), reading);
    // The letters the formatted reading holds; those it left out follow as typed.
    const size_t covered = std::min(reading.size() - std::min(separators, reading.size()), consumed);
    text += reading;
    text.append(composition_, covered);
    if (cursor_ != 0) caret += separators;
  } else {
    text += composition_;
  }
  panel_.SetComposition(text, static_cast<uint16_t>(std::min<size_t>(caret, UINT16_MAX)));
}

void ImeCore::PublishDetail() {
  std::u16string word;
  const int32_t index = PageStart(pageIndex_, pageSize_) + selection_;
  if (index < candidates_.count()) word = lexicon_.CandidateText(candidates_.At<lexicon::Candidate>(index));
  std::optional<std::u16string_view> sentence;
  if (settings_.sentence_en != 0 && composition_.find(u' ') != std::u16string::npos) sentence = composition_;
  panel_.RequestDetail(BuildDetailDocument(DetailTemplate(), word, sentence));
}

void ImeCore::Commit(platform::ContextHandle context, std::u16string_view text, bool raw) {
  const platform::LockedContext locked = port_.LockContext(context);
  if (locked == nullptr) return;
  std::u16string result(text);
  if (IsGermanMode()) {
    if (!raw && settings_.en_appendspace != 0 && result.size() >= 2 && result.back() != u' ') result += u' ';
  } else if (settings_.big5mode != 0) {
    result = ToTraditionalText(result);
  }

  const platform::BlockHandle block = port_.CompositionStringBlock(locked);
  const std::span<uint8_t> bytes = block != nullptr ? port_.LockBlock(block) : std::span<uint8_t>();
  if (bytes.size() >= kCompositionStringBlockSize) {
    WriteResultString(bytes, result);
    port_.UnlockBlock(block);
  } else {
    if (!bytes.empty()) port_.UnlockBlock(block);
    // Pasted instead; without the text on the clipboard a paste would insert whatever was there.
    if (port_.SetClipboardText(port_.ForegroundWindow(), result)) {
      port_.SendKeyEvent(static_cast<uint8_t>(vk::kControl), false);
      port_.SendKeyEvent(static_cast<uint8_t>(vk::kV), false);
      port_.SendKeyEvent(static_cast<uint8_t>(vk::kV), true);
      port_.SendKeyEvent(static_cast<uint8_t>(vk::kControl), true);
    }
  }
  messages_.GenerateMessage(context, kWmImeComposition, 0, kGcsResultStr);
  port_.UnlockContext(context);
}

}  // namespace kellavor::core
