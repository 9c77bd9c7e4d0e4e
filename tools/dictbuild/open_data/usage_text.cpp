#include "tools/dictbuild/open_data/usage_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "ime/platform/utf.h"

namespace kellavor::dictbuild {
namespace {

// Skips the name of a troff escape argument at text[at]: "(xx", "[name]" or one character.
size_t SkipEscapeName(std::string_view text, size_t at) {
  if (at >= text.size()) return at;
  if (text[at] == '(') return std::min(text.size(), at + 3);
  if (text[at] == '[') {
    const size_t end = text.find(']', at);
    return end == std::string_view::npos ? text.size() : end + 1;
  }
  return at + 1;
}

// One line of troff text with its escapes resolved: font and size changes and zero-width marks
// vanish (so that a word with a hyphenation mark stays one word), \- is a hyphen, special
// characters and strings become a space, and \" ends the line.
std::string ResolveEscapes(std::string_view line) {
  std::string out;
  for (size_t i = 0; i < line.size();) {
    const char c = line[i];
    if (c != '\\' || i + 1 == line.size()) {
      out.push_back(c);
      ++i;
      continue;
    }
    const char e = line[i + 1];
    i += 2;
    switch (e) {
      case '"':
        return out;
      case '-':
        out.push_back('-');
        break;
      case 'f':
        i = SkipEscapeName(line, i);
        break;
      case 's':
        if (i < line.size() && (line[i] == '+' || line[i] == '-')) ++i;
        if (i < line.size() && (line[i] == '(' || line[i] == '[')) {
          i = SkipEscapeName(line, i);
        } else {
          while (i < line.size() && line[i] >= '0' && line[i] <= '9') ++i;
        }
        break;
      case '(':
      case '[':
        i = SkipEscapeName(line, i - 1);
        out.push_back(' ');
        break;
      case '*':
      case 'n':
        i = SkipEscapeName(line, i);
        out.push_back(' ');
        break;
      case '&': case ',': case '/': case '|': case '^': case ':': case '%': case 'c': case ')':
        break;
      default:
        // \w'...', \h'...' and their kind carry an argument in quotes.
        if (i < line.size() && line[i] == '\'') {
          const size_t end = line.find('\'', i + 1);
          i = end == std::string_view::npos ? line.size() : end + 1;
        }
        out.push_back(' ');
        break;
    }
  }
  return out;
}

// The arguments of a macro line: separated by spaces, a quoted argument may hold spaces.
std::vector<std::string_view> MacroArguments(std::string_view text) {
  std::vector<std::string_view> arguments;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ' || text[i] == '\t') {
      ++i;
    } else if (text[i] == '"') {
      const size_t end = text.find('"', i + 1);
      const size_t stop = end == std::string_view::npos ? text.size() : end;
      arguments.push_back(text.substr(i + 1, stop - i - 1));
      i = stop + 1;
    } else {
      size_t end = i;
      while (end < text.size() && text[end] != ' ' && text[end] != '\t') ++end;
      arguments.push_back(text.substr(i, end - i));
      i = end;
    }
  }
  return arguments;
}

// Font macros set their arguments inline; the alternating ones (BR, IR, ...) join them without
// a space, the others with one. Headings stand on a line of their own.
enum class MacroText { kNone, kInline, kAlternating, kHeading };

MacroText TextOfMacro(std::string_view name) {
  if (name == "B" || name == "I" || name == "R" || name == "SM" || name == "SB") return MacroText::kInline;
  if (name == "BI" || name == "BR" || name == "IB" || name == "IR" || name == "RB" || name == "RI") {
    return MacroText::kAlternating;
  }
  if (name == "SH" || name == "SS") return MacroText::kHeading;
  return MacroText::kNone;
}

void AppendWithSpace(std::string& out, std::string_view text) {
  if (!out.empty() && out.back() != '\n') out.push_back(' ');
  out += text;
}

void EndBlock(std::string& out) {
  if (!out.empty() && out.back() != '\n') out.push_back('\n');
}

bool IsBlockTag(std::string_view name) {
  static constexpr std::array<std::string_view, 22> kBlocks = {
      "p", "br", "div", "h1", "h2", "h3", "h4", "h5", "h6", "li", "ul", "ol", "td", "th", "tr", "table",
      "pre", "dt", "dd", "dl", "section", "header"};
  return std::find(kBlocks.begin(), kBlocks.end(), name) != kBlocks.end();
}

// The character a reference names (&amp;, &#228;, &#xE4;); a space for one that is not known.
std::string DecodeReference(std::string_view name) {
  if (name == "amp") return "&";
  if (name == "lt") return "<";
  if (name == "gt") return ">";
  if (name == "quot") return "\"";
  if (name == "apos") return "'";
  if (!name.empty() && name[0] == '#') {
    const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
    uint32_t value = 0;
    for (size_t i = hex ? 2 : 1; i < name.size(); ++i) {
      const char c = name[i];
      uint32_t digit = 0;
      if (c >= '0' && c <= '9') {
        digit = static_cast<uint32_t>(c - '0');
      } else if (hex && c >= 'a' && c <= 'f') {
        digit = static_cast<uint32_t>(c - 'a' + 10);
      } else if (hex && c >= 'A' && c <= 'F') {
        digit = static_cast<uint32_t>(c - 'A' + 10);
      } else {
        return " ";
      }
      value = value * (hex ? 16 : 10) + digit;
      if (value > 0x10FFFF) return " ";
    }
    if (value == 0 || (value >= 0xD800 && value <= 0xDFFF)) return " ";
    return platform::Utf16ToUtf8(value > 0xFFFF ? std::u16string{static_cast<char16_t>(0xD7C0 + (value >> 10)),
                                                                  static_cast<char16_t>(0xDC00 | (value & 0x3FF))}
                                                : std::u16string(1, static_cast<char16_t>(value)));
  }
  return " ";
}

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// The part of a help page that holds its text.
std::string_view ContentArea(std::string_view html) {
  size_t start = html.find("id=\"DisplayArea\"");
  if (start == std::string_view::npos) start = html.find("<body");
  // The text begins after the tag that opens the area.
  start = start == std::string_view::npos ? 0 : html.find('>', start);
  start = start == std::string_view::npos ? html.size() : start + 1;
  size_t end = html.find("<div id=\"SearchFrame\"", start);
  if (end == std::string_view::npos) end = html.find("<footer", start);
  if (end == std::string_view::npos) end = html.size();
  return html.substr(start, end - start);
}

}  // namespace

std::string ManualPageText(std::string_view troff) {
  std::string out;
  while (!troff.empty()) {
    const size_t end = troff.find('\n');
    std::string_view line = troff.substr(0, end);
    troff.remove_prefix(end == std::string_view::npos ? troff.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    if (line.empty()) {
      EndBlock(out);
    } else if (line[0] == '.' || line[0] == '\'') {
      std::string_view rest = line.substr(1);
      while (!rest.empty() && (rest[0] == ' ' || rest[0] == '\t')) rest.remove_prefix(1);
      const size_t nameEnd = std::min(rest.find_first_of(" \t"), rest.size());
      const MacroText kind = TextOfMacro(rest.substr(0, nameEnd));
      if (kind == MacroText::kNone) {
        EndBlock(out);
        continue;
      }
      const std::string resolved = ResolveEscapes(rest.substr(nameEnd));
      std::string joined;
      for (const std::string_view argument : MacroArguments(resolved)) {
        if (kind != MacroText::kAlternating && !joined.empty()) joined.push_back(' ');
        joined += argument;
      }
      if (kind == MacroText::kHeading) EndBlock(out);
      AppendWithSpace(out, joined);
      if (kind == MacroText::kHeading) EndBlock(out);
    } else {
      // A line starting with a space is set as it stands, on a line of its own.
      if (line[0] == ' ' || line[0] == '\t') EndBlock(out);
      AppendWithSpace(out, ResolveEscapes(line));
    }
  }
  EndBlock(out);
  return out;
}

std::string HelpPageText(std::string_view html) {
  const std::string_view area = ContentArea(html);
  std::string out;
  for (size_t i = 0; i < area.size();) {
    const char c = area[i];
    if (c == '<') {
      if (area.substr(i).starts_with("<!--")) {
        const size_t end = area.find("-->", i + 4);
        i = end == std::string_view::npos ? area.size() : end + 3;
        continue;
      }
      const size_t close = area.find('>', i);
      if (close == std::string_view::npos) break;
      std::string_view tag = area.substr(i + 1, close - i - 1);
      i = close + 1;
      const bool closing = !tag.empty() && tag[0] == '/';
      if (closing) tag.remove_prefix(1);
      const size_t nameEnd = std::min(tag.find_first_of(" \t\n/"), tag.size());
      const std::string name = LowerAscii(tag.substr(0, nameEnd));
      if ((name == "script" || name == "style") && !closing && !tag.ends_with('/')) {
        const size_t end = area.find("</" + name, i);
        i = end == std::string_view::npos ? area.size() : end;
        continue;
      }
      if (IsBlockTag(name)) EndBlock(out);
    } else if (c == '&') {
      const size_t semicolon = area.find(';', i);
      if (semicolon == std::string_view::npos || semicolon - i > 10) {
        out.push_back('&');
        ++i;
        continue;
      }
      out += DecodeReference(area.substr(i + 1, semicolon - i - 1));
      i = semicolon + 1;
    } else if (c == '\n' || c == '\r' || c == '\t') {
      out.push_back(' ');
      ++i;
    } else {
      out.push_back(c);
      ++i;
    }
  }
  EndBlock(out);
  return out;
}

std::string UsageTextOf(std::string_view fileName, std::string_view content) {
  const std::string lower = LowerAscii(fileName);
  if (lower.ends_with(".html") || lower.ends_with(".htm")) return HelpPageText(content);
  return ManualPageText(content);
}

}  // namespace kellavor::dictbuild
