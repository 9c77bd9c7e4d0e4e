#include "tools/dictsite/site_pages.h"

#include "ime/base/percent_encode.h"
#include "ime/platform/utf.h"
#include "ime/ui/site_addresses.h"

namespace kellavor::dictsite {
namespace {

constexpr std::string_view kStyle =
    "body{font:13px sans-serif;margin:6px;color:#222}h1{font-size:18px;margin:0 0 4px}"
    "ol{margin:4px 0;padding-left:22px}li{margin:2px 0}.freq,.none{color:#666}"
    "a{color:#2255aa;text-decoration:none}a:hover{text-decoration:underline}"
    ".words{list-style:none;padding:0}.words li{margin:4px 0}";

std::string Head(std::string_view title) {
  std::string page = "<!DOCTYPE html>\n<html lang=\"zh-CN\"><head><meta charset=\"utf-8\"><title>";
  page += EscapeHtml(title);
  page += " - Kellavor 词典</title><style>";
  page += kStyle;
  page += "</style></head><body>\n";
  return page;
}

constexpr std::string_view kFoot = "</body></html>\n";

std::string Link(std::string_view word) {
  return "<a href=\"" + EscapeHtml(LookupLink(word)) + "\">" + EscapeHtml(word) + "</a>";
}

void AppendGlosses(std::string& page, const std::vector<std::string>& glosses) {
  if (glosses.empty()) {
    page += "<p class=\"none\">（暂无中文释义）</p>\n";
    return;
  }
  page += "<ol>";
  for (const std::string& gloss : glosses) page += "<li>" + EscapeHtml(gloss) + "</li>";
  page += "</ol>\n";
}

void AppendWordList(std::string& page, std::string_view label, const std::vector<std::string>& words) {
  if (words.empty()) return;
  page += "<p>";
  page += label;
  page += "：";
  for (size_t i = 0; i < words.size(); ++i) {
    if (i != 0) page += "，";
    page += Link(words[i]);
  }
  page += "</p>\n";
}

bool IsWellFormedUtf8(std::string_view text) {
  return platform::Utf16ToUtf8(platform::Utf8ToUtf16(text)) == text;
}

}  // namespace

std::optional<std::u16string> CheckedWord(std::string_view raw) {
  if (raw.empty() || raw.size() > kMaxWordBytes || !IsWellFormedUtf8(raw)) return std::nullopt;
  std::u16string word = platform::Utf8ToUtf16(raw);
  for (const char16_t unit : word) {
    if (unit < 0x20 || unit == 0x7F) return std::nullopt;
  }
  return word;
}

std::string EscapeHtml(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      case '\'': escaped += "&#39;"; break;
      default: escaped += c; break;
    }
  }
  return escaped;
}

std::string LookupLink(std::string_view word) {
  return std::string(ui::kLookupQuery) + base::PercentEncode(word);
}

std::string LookupPage(const WordDetails& details) {
  std::string page = Head(details.entry.word);
  page += kSuccessMarker;
  page += "\n<h1>" + EscapeHtml(details.entry.word) + "</h1>\n";
  AppendGlosses(page, details.entry.glosses);
  page += "<p class=\"freq\">词频：" + std::to_string(details.entry.frequency) + "</p>\n";
  AppendWordList(page, "其他写法", details.variants);
  AppendWordList(page, "相关词", details.longer);
  page += kFoot;
  return page;
}

std::string UnknownWordPage(std::string_view word) {
  std::string page = Head("未找到");
  if (word.empty()) {
    page += "<p class=\"none\">没有可查的词。</p>\n";
  } else {
    page += "<p class=\"none\">词典中没有“" + EscapeHtml(word) + "”。</p>\n";
  }
  page += kFoot;
  return page;
}

std::string WordPage(std::string_view letters, const std::vector<DictionaryWord>& words) {
  std::string page = Head(letters.empty() ? std::string_view("查词") : letters);
  page += "<h1>" + EscapeHtml(letters) + "</h1>\n";
  if (words.empty()) {
    page += "<p class=\"none\">词典中没有以此开头的词。</p>\n";
  } else {
    page += "<ul class=\"words\">";
    for (const DictionaryWord& word : words) {
      page += "<li>" + Link(word.word) + " ";
      for (size_t i = 0; i < word.glosses.size(); ++i) {
        if (i != 0) page += "；";
        page += EscapeHtml(word.glosses[i]);
      }
      page += "</li>";
    }
    page += "</ul>\n";
  }
  page += kFoot;
  return page;
}

std::string HelpPage() {
  std::string page = Head("输入法帮助");
  page +=
      "<h1>Kellavor 输入法帮助</h1>\n"
      "<h2>拼音输入</h2>\n"
      "<p>连续输入拼音字母（无需分隔），用数字键或空格选择候选字词；“=”“-”或 Tab 翻页。</p>\n"
      "<h2>德语输入</h2>\n"
      "<p>Shift 键在德语与拼音之间切换（Ctrl+Shift+A 亦可）。输入德语单词的开头即可得到带中文释义的候选词；"
      "变音字母可以用普通字母输入：a 代替 ä，o 代替 ö，u 代替 ü，ss 代替 ß。</p>\n"
      "<p>在候选词上稍作停留，旁边的小窗口会显示该词的详细解释。点窗口标题栏上的图钉可将其固定，"
      "固定后它不再跟随候选窗口。</p>\n"
      "<h2>快捷键</h2>\n"
      "<ul><li>Ctrl+Shift+M：打开菜单</li><li>Ctrl+Shift+K：软键盘</li>"
      "<li>Ctrl+Shift+L：繁体输出</li></ul>\n";
  page += kFoot;
  return page;
}

std::string NotFoundPage() {
  std::string page = Head("页面不存在");
  page += "<p class=\"none\">页面不存在。</p>\n";
  page += kFoot;
  return page;
}

}  // namespace kellavor::dictsite
