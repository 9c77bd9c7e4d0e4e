#include "ime/core/soft_keyboard_layouts.h"

#include <optional>

namespace kellavor::core {
namespace {

struct LayoutText {
  std::u16string_view name;
  std::u16string_view plain;
  std::u16string_view shifted;
};

// Each half lists the 47 keys in table order; ◌ marks a key without a character.
constexpr char16_t kNoCharacter = u'\u25CC';

constexpr LayoutText kLayoutTexts[kSoftKeyboardLayouts] = {
    {u"正常软键盘", u"0123456789abcdefghijklmnopqrstuvwxyz;=,-./`[\\]'",
     u")!@#$%^&*(ABCDEFGHIJKLMNOPQRSTUVWXYZ:+<_>?~{|}\""},
    {u"常用符号", u"⑽⑴⑵⑶⑷⑸⑹⑺⑻⑼■α∑▲⒊●★【⒏】『‘γβ⒐⒑⒈⒋◆⒌⒎§⒉‰⒍＄；＝，－。／｀［、］’",
     u"㈩㈠㈡㈢㈣㈤㈥㈦㈧㈨□±∏△Ⅲ○☆〖Ⅷ〗』“÷×ⅨⅩⅠⅣ◇ⅤⅦ※Ⅱ℃Ⅵ￥：＋《＿》？～｛？｝”"},
    {u"标点符号", u"ˉ，、；：？！…—·〔（【〈“〉《》∶「」『［）＂＇‘”〕々‖】’〗～〖』¨］ˇ｛｝。｀〃｜．",
     u"◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌"},
    {u"特殊符号", u"◌◌◌◌◌◌◌◌◌◌■＾＠▲☆※→←◇↑↓〓￣＿◆□§★△○◎＼№＆●＃◌◌◌◌◌◌◌◌◌◌◌",
     u"◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌"},
    {u"表格线", u"┄┍┎┏┐┑┒┓◌─┬╀┾┮┞┯┰┱┣┲┳◌╂╁◌│├┟┭┠┢┿┝┽┡┼◌◌╃┈◌◌┌┆◌┊◌",
     u"┅┕┖┗┘┙┚┛◌━┴╈┶┶┦┷┸┹┫┺┻◌╊╉◌┃┤┧┵┨┪╇┥╅┩╄◌◌╋┉◌◌└┇◌┋◌"},
    {u"数字序号", u"ⅪⅡⅢⅣⅤⅥⅦⅧⅨⅩ㈠⑸⑶㈢⒊㈣㈤㈥⒏㈦㈧㈨⑺⑹⒐⒑⒈⒋㈡⒌⒎⑷⒉⑵⒍⑴㈩◌⑻Ⅻ⑼⑽Ⅰ◌◌◌◌",
     u"◌◌◌◌◌◌◌◌◌◌①⒂⒀③⒔④⑤⑥⒙⑦⑧⑨⒄⒃⒚⒛⒒⒕②⒖⒘⒁⒓⑿⒗⑾⑩◌⒅◌⒆⒇◌◌◌◌◌"},
    {u"数学符号", u"◌≡≠＝≤≥＜＞≮≯∧⊙∠∑－∏∪∩∫∈◌∵∽≌∮∝±×∨÷◌⌒＋∥／⊥∴◌◌∷√◌≈∞◌◌◌",
     u"◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌"},
    {u"单位符号", u"¤°′″＄￡￥‰％℃百◌毫万二亿兆吉七太拍艾◌◌八九○三千四六微一厘五分◌◌◌￠◌◌◌十◌◌◌",
     u"◌◌◌◌◌◌◌◌◌◌佰◌◌◌贰◌◌◌柒◌◌◌◌◌捌玖零叁仟肆陆◌壹◌伍◌◌◌◌◌◌◌◌拾◌◌◌"},
    {u"拼音符号", u"◌◌◌◌◌◌◌◌◌◌ē◌ǔěǎè◌īǒíǐìǘǖò◌āàé◌óùáúōū◌◌ǚ◌ǜü◌ê◌◌◌",
     u"◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌"},
    {u"注音符号", u"ㄦㄉ◌◌ㄓ◌◌ㄚㄞㄢㄇㄖㄏㄎㄍㄑㄕㄘㄛㄨㄜㄠㄩㄙㄟㄣㄆㄐㄋㄔㄧㄒㄊ◌ㄗㄈㄤ◌ㄝ◌ㄡㄥ◌◌◌◌◌",
     u"◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌◌"},
    {u"日文平假名", u"◌ぃぅぇぉかきくけこなもむぬすねのはつひふへゅゃってさせにそちめしみたまほ◌ょんゎをぁと◌ゐゑ",
     u"◌いうえおがぎぐげごぱろるぷずぺぽばづびぶべゆや◌でざぜぴぞぢれじりだらぼ◌よ◌わ◌あど◌◌◌"},
    {u"日文片假名", u"ケィゥヴェォカヵキクナモムヌスネノハツヒフヘュャッテサセニソチメシミタマホコョヶヮヲァトンヰヱ",
     u"ゲイウ◌エオガ◌ギグパロルプズペポバヅビブベユヤ◌デザゼピゾヂレジリダラボゴヨ◌ワ◌アド◌◌◌"},
    {u"希腊字母", u"◌◌◌◌◌◌◌◌◌◌κχυμγνξοθπρ◌ωψι◌αδλεηφβτζσ◌◌◌◌◌◌◌◌◌◌◌",
     u"◌◌◌◌◌◌◌◌◌◌ΚΧΥΜΓΝΞΟΘΠΡ◌ΩΨΙ◌ΑΔΛΕΗΦΒΤΖΣ◌◌◌◌◌◌◌◌◌◌◌"},
    {u"德语字母", u"◌äöüß◌◌◌◌◌abcdefghijklmnopqrstuvwxyz;◌,◌./€[\\]'",
     u"◌ÄÖÜß◌◌◌◌◌ABCDEFGHIJKLMNOPQRSTUVWXYZ:◌<◌>?◌{|}\""},
};

consteval std::array<char16_t, kSoftKeyboardLayouts * kSoftKeyboardRecordUnits> BuildTable() {
  std::array<char16_t, kSoftKeyboardLayouts * kSoftKeyboardRecordUnits> table {};
  for (size_t layout = 0; layout < kSoftKeyboardLayouts; ++layout) {
    const LayoutText& text = kLayoutTexts[layout];
    if (text.name.size() >= kSoftKeyboardNameUnits || text.plain.size() != kSoftKeyboardKeys ||
        text.shifted.size() != kSoftKeyboardKeys) {
      throw "every layout has a short name and one character per key in each half";
    }
    char16_t* record = table.data() + layout * kSoftKeyboardRecordUnits;
    for (size_t i = 0; i < text.name.size(); ++i) record[i] = text.name[i];
    for (size_t key = 0; key < kSoftKeyboardKeys; ++key) {
      record[kSoftKeyboardNameUnits + key] = text.plain[key] == kNoCharacter ? 0 : text.plain[key];
      record[kSoftKeyboardNameUnits + kSoftKeyboardKeys + key] = text.shifted[key] == kNoCharacter ? 0 : text.shifted[key];
    }
  }
  return table;
}

constexpr auto kTable = BuildTable();

std::optional<size_t> KeyPosition(uint32_t virtualKey) {
  if (virtualKey >= 0x30 && virtualKey <= 0x39) return virtualKey - 0x30;
  if (virtualKey >= 0x41 && virtualKey <= 0x5A) return 10 + (virtualKey - 0x41);
  if (virtualKey >= 0xBA && virtualKey <= 0xC0) return 36 + (virtualKey - 0xBA);
  if (virtualKey >= 0xDB && virtualKey <= 0xDE) return 43 + (virtualKey - 0xDB);
  return std::nullopt;
}

}  // namespace

std::span<const char16_t, kSoftKeyboardLayouts * kSoftKeyboardRecordUnits> SoftKeyboardTable() { return kTable; }

std::u16string_view SoftKeyboardName(uint32_t layout) {
  if (layout >= kSoftKeyboardLayouts) return {};
  return kLayoutTexts[layout].name;
}

bool IsSoftKeyboardKey(uint32_t virtualKey) { return SoftKeyCharacter(0, virtualKey, false) != 0; }

char16_t SoftKeyCharacter(uint32_t layout, uint32_t virtualKey, bool shifted) {
  const std::optional<size_t> position = KeyPosition(virtualKey);
  if (!position || layout >= kSoftKeyboardLayouts) return 0;
  const size_t half = shifted ? kSoftKeyboardNameUnits + kSoftKeyboardKeys : kSoftKeyboardNameUnits;
  const char16_t character = kTable[layout * kSoftKeyboardRecordUnits + half + *position];
  return character == u' ' ? 0 : character;
}

}  // namespace kellavor::core
