#include "ime/core/punctuation_table.h"

#include <array>

namespace kellavor::core {
namespace {

constexpr std::array<PunctuationRow, kPunctuationRows> kTable = {{
    {u"`", u"·", u"｀", u"`"},
    {u"1", u"1", u"１", u"１"},
    {u"2", u"2", u"２", u"２"},
    {u"3", u"3", u"３", u"３"},
    {u"4", u"4", u"４", u"４"},
    {u"5", u"5", u"５", u"５"},
    {u"6", u"6", u"６", u"６"},
    {u"7", u"7", u"７", u"７"},
    {u"8", u"8", u"８", u"８"},
    {u"9", u"9", u"９", u"９"},
    {u"0", u"0", u"０", u"０"},
    {u"-", u"-", u"－", u"－"},
    {u"=", u"=", u"＝", u"＝"},
    {u"\\", u"、", u"、", u"＼"},
    {u"[", u"【", u"［", u"［"},
    {u"]", u"】", u"］", u"］"},
    {u";", u"；", u"；", u"；"},
    {u"'", u"‘", u"‘", u"＇"},
    {u",", u"，", u"，", u"，"},
    {u".", u"。", u"。", u"．"},
    {u"/", u"/", u"／", u"／"},
    {u"~", u"~", u"～", u"～"},
    {u"!", u"！", u"！", u"！"},
    {u"@", u"@", u"＠", u"＠"},
    {u"#", u"#", u"＃", u"＃"},
    {u"$", u"￥", u"￥", u"＄"},
    {u"%", u"%", u"％", u"％"},
    {u"^", u"……", u"……", u"︿"},
    {u"&", u"—", u"—", u"＆"},
    {u"*", u"*", u"×", u"×"},
    {u"(", u"（", u"（", u"（"},
    {u")", u"）", u"）", u"）"},
    {u"_", u"——", u"——", u"＿"},
    {u"+", u"+", u"＋", u"＋"},
    {u"|", u"|", u"｜", u"｜"},
    {u"{", u"{", u"｛", u"｛"},
    {u"}", u"}", u"｝", u"｝"},
    {u":", u"：", u"：", u"："},
    {u"\"", u"“", u"“", u"＂"},
    {u"<", u"《", u"《", u"＜"},
    {u">", u"》", u"》", u"＞"},
    {u"?", u"？", u"？", u"？"},
}};

constexpr std::u16string_view kOpeningSingle = u"\u2018";
constexpr std::u16string_view kClosingSingle = u"\u2019";
constexpr std::u16string_view kOpeningDouble = u"\u201C";
constexpr std::u16string_view kClosingDouble = u"\u201D";

std::u16string_view Column(const PunctuationRow& row, bool symbol, bool fullShape) {
  if (symbol) return fullShape ? row.symbolFullShape : row.symbol;
  return fullShape ? row.fullShape : row.typed;
}

std::u16string_view Pair(std::u16string_view opening, std::u16string_view closing, uint32_t& open) {
  const bool wasOpen = open != 0;
  open = wasOpen ? 0 : 1;
  return wasOpen ? closing : opening;
}

}  // namespace

std::span<const PunctuationRow, kPunctuationRows> PunctuationTable() { return kTable; }

std::optional<std::u16string_view> PunctuationMark(std::u16string_view typed, bool symbol, bool fullShape,
                                                   uint32_t& singleQuoteOpen, uint32_t& doubleQuoteOpen) {
  for (const PunctuationRow& row : kTable) {
    if (row.typed != typed) continue;
    const std::u16string_view mark = Column(row, symbol, fullShape);
    if (mark == kOpeningSingle) return Pair(kOpeningSingle, kClosingSingle, singleQuoteOpen);
    if (mark == kOpeningDouble) return Pair(kOpeningDouble, kClosingDouble, doubleQuoteOpen);
    return mark;
  }
  return std::nullopt;
}

}  // namespace kellavor::core
