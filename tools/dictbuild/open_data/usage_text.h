// Plain text out of the German documents the word frequencies are counted in: manual pages
// (troff) and help pages (HTML). Markup, escapes and navigation are dropped; what is left is the
// running text, one block (paragraph, heading, list item, table cell) a line, so that a line start
// is also a sentence start.
#pragma once

#include <string>
#include <string_view>

namespace kellavor::dictbuild {

// The text of a manual page: the text lines and the arguments of the font macros (.B, .I, .BR,
// .SH and their kind), without comments, requests and escapes. Paragraph macros start a new line.
std::string ManualPageText(std::string_view troff);

// The text of a help page: the content area (the element with id "DisplayArea") when the page has
// one, else the body, without tags, scripts and styles; character references decoded.
std::string HelpPageText(std::string_view html);

// ManualPageText or HelpPageText by the file name (".html" or ".htm": a help page).
std::string UsageTextOf(std::string_view fileName, std::string_view content);

}  // namespace kellavor::dictbuild
