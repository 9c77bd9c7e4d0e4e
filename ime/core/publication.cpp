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
#include "ime/core/traditional_conversion.h"
#include "ime/platform/ime_messages.h"
#include "ime/platform/module_resources.h"
#include "ime/platform/virtual_keys.h"

namespace kellavor::core {

namespace vk = platform::vk;
using platform::kCompositionChanged;
using platform::kGcsResultStr;
using platform::kWmImeComposition;
using platform::kWmImeUiRefresh;

namespace {

using namespace lexicon::candidate_item_kind;

constexpr std::u16string_view kConversionTableType = u"Gbtobig5";
constexpr uint16_t kConversionTableResource = 161;

// A word's explanation as a hint: up to its first "\n" (a backslash and an n).
std::u16string_view HintOf(std::u16string_view explanation) {
  return explanation.substr(0, std::min(explanation.find(u"\\n"), explanation.size()));
}

// Writes the result string into the context's composition-string block; false when the block
// cannot be locked or has no room for one.
bool WriteResult(platform::InputMethodPort& port, const platform::ContextLock& context, std::u16string_view result) {
  const platform::BlockLock block(port, port.CompositionStringBlock(context.fields()));
  if (block.bytes().size() < kCompositionStringBlockSize) return false;
  WriteResultString(block.bytes(), result);
  return true;
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

lexicon::CandidateItem ImeCore::DisplayItem(const lexicon::PageEntry& entry, std::u16string& hint,
                                            std::u16string& converted) {
  lexicon::CandidateItem item = entry.item;
  item.hint = nullptr;
  if (IsGermanMode() && settings_.showmode == 1) {
    hint = HintOf(entry.explanation);
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

void ImeCore::Describe(int32_t first, int32_t count) {
  std::span<const lexicon::Candidate> page;
  std::u16string_view readingLetters;
  if (count > 0) {
    page = {&candidates_.At<lexicon::Candidate>(first), static_cast<size_t>(count)};
    readingLetters = std::u16string_view(composition_).substr(0, std::min<size_t>(page[0].consumed, composition_.size()));
  }
  const auto language = IsGermanMode() ? lexicon::SearchLanguage::kGerman : lexicon::SearchLanguage::kPinyin;
  lexicon_.DescribePage(page, language, readingLetters, described_);
  describedFirst_ = first;
  describedCount_ = count;
}

const lexicon::PageEntry& ImeCore::DescribedEntry(int32_t index) {
  if (index < describedFirst_ || index >= describedFirst_ + describedCount_) Describe(index, 1);
  return described_.entries[static_cast<size_t>(index - describedFirst_)];
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

  Describe(start, entries);
  panel_.ClearCandidates();
  for (const lexicon::PageEntry& entry : described_.entries) {
    std::u16string hint;
    std::u16string converted;
    panel_.AddCandidate(CallContext(), DisplayItem(entry, hint, converted));
  }
  panel_.SetPageButtons(pageIndex_ != 0, start + entries < count);
  PublishComposition();
  NotifyUiWindow(port_, panel_, CallContext(), kWmImeUiRefresh);
  messages_.GenerateMessage(CallContext(), kWmImeComposition, 0, kCompositionChanged);
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
    const std::u16string& reading = described_.reading;
    const size_t separators = described_.separators;
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
  if (index < candidates_.count()) word = DescribedEntry(index).text;
  std::optional<std::u16string_view> sentence;
  if (settings_.sentence_en != 0 && composition_.find(u' ') != std::u16string::npos) sentence = composition_;
  panel_.RequestDetail(BuildDetailDocument(DetailTemplate(), word, sentence));
}

void ImeCore::Commit(platform::ContextHandle context, std::u16string_view text, bool raw) {
  WithLocked(context, [&](const platform::ContextLock& locked) {
    if (!locked) return;
    std::u16string result(text);
    if (IsGermanMode()) {
      if (!raw && settings_.en_appendspace != 0 && result.size() >= 2 && result.back() != u' ') result += u' ';
    } else if (settings_.big5mode != 0) {
      result = ToTraditionalText(result);
    }

    if (!WriteResult(port_, locked, result) && port_.SetClipboardText(port_.ForegroundWindow(), result)) {
      // Pasted instead; without the text on the clipboard a paste would insert whatever was there.
      port_.SendKeyEvent(static_cast<uint8_t>(vk::kControl), false);
      port_.SendKeyEvent(static_cast<uint8_t>(vk::kV), false);
      port_.SendKeyEvent(static_cast<uint8_t>(vk::kV), true);
      port_.SendKeyEvent(static_cast<uint8_t>(vk::kControl), true);
    }
    messages_.GenerateMessage(locked, kWmImeComposition, 0, kGcsResultStr);
  });
}

}  // namespace kellavor::core
