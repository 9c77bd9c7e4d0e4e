#include "tools/console/key_report.h"

#include <cstdio>

#include "ime/core/ime_core.h"
#include "ime/platform/utf.h"

namespace kellavor::console {
namespace {

std::string Number(int64_t value) { return std::to_string(value); }

// The composition with a bar at the caret.
std::u16string WithCaret(const core::InputPanel& panel) {
  std::u16string text = panel.Composition();
  text.insert(panel.Split(), u"|");
  return text;
}

}  // namespace

std::string ModeName(uint32_t inputMode) { return inputMode == core::kGermanMode ? "german" : "pinyin"; }

std::string JsonString(std::u16string_view text) {
  std::string json = "\"";
  for (const char c : platform::Utf16ToUtf8(text)) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (c == '\n') {
      json += "\\n";
    } else if (c == '\t') {
      json += "\\t";
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof(escaped), "\\u%04x", byte);
      json += escaped;
    } else {
      json += c;
    }
  }
  return json + "\"";
}

std::string JsonReport(const ConsoleSession& session, const KeyStep& step) {
  const core::InputPanel& panel = session.panel();
  std::string json = "{\"key\":" + JsonString(platform::Utf8ToUtf16(step.key.name));
  json += ",\"claimed\":" + std::string(step.claimed ? "true" : "false");
  json += ",\"mode\":\"" + ModeName(session.settings().inputmode) + "\"";
  json += ",\"composition\":" + JsonString(panel.Composition());
  json += ",\"caret\":" + Number(panel.Split());
  json += ",\"candidates\":[";
  for (size_t i = 0; i < panel.Entries().size(); ++i) {
    const core::PanelEntry& entry = panel.Entries()[i];
    if (i > 0) json += ',';
    json += "{\"text\":" + JsonString(entry.text) + ",\"hint\":";
    json += entry.hint.has_value() ? JsonString(*entry.hint) : std::string("null");
    json += '}';
  }
  json += "],\"highlight\":" + Number(panel.Entries().empty() ? -1 : int64_t{panel.Highlight()});
  json += ",\"page\":" + Number(session.engine().PageIndex());
  json += ",\"pages\":" + Number(session.PageCount());
  json += ",\"commit\":" + (step.hasCommit ? JsonString(step.commit) : std::string("null"));
  json += ",\"passed\":" + (step.passed.empty() ? std::string("null") : JsonString(step.passed));
  json += ",\"text\":" + JsonString(session.text());
  return json + "}";
}

std::string TranscriptLine(const ConsoleSession& session, const KeyStep& step) {
  const core::InputPanel& panel = session.panel();
  std::u16string line = platform::Utf8ToUtf16(step.key.name);
  line.resize(std::max<size_t>(line.size(), 8), u' ');
  line += session.settings().inputmode == core::kGermanMode ? u" DE  " : u" 拼  ";
  line += WithCaret(panel);
  if (!panel.Entries().empty()) {
    line += u"  ";
    for (size_t i = 0; i < panel.Entries().size(); ++i) {
      const core::PanelEntry& entry = panel.Entries()[i];
      const bool highlighted = i == panel.Highlight();
      line += u' ';
      if (highlighted) line += u'[';
      line += platform::Utf8ToUtf16(std::to_string((i + 1) % 10) + ".");
      line += entry.text;
      if (entry.hint.has_value() && !entry.hint->empty()) line += u" " + *entry.hint;
      if (highlighted) line += u']';
    }
    line += platform::Utf8ToUtf16("  (page " + std::to_string(session.engine().PageIndex() + 1) + "/" +
                                  std::to_string(session.PageCount()) + ")");
  }
  if (step.hasCommit) line += u"  => \"" + step.commit + u"\"";
  if (!step.passed.empty() && step.passed[0] >= 0x20) line += u"  -> app \"" + step.passed + u"\"";
  return platform::Utf16ToUtf8(line);
}

}  // namespace kellavor::console
