// The settings record of the module, filled from config.ini. Every field carries the name of its
// key; the comment gives the key's section, the width the read value is cut to and its default.
// Colours are 0x00BBGGRR. Fields marked "kept" are read and kept but steer nothing in the module.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kellavor::settings {

struct FontSpec {
  std::u16string face;  // at most 255 units
  uint16_t size = 0;    // points
  uint16_t weight = 0;  // 100 to 900; 400 normal, 700 bold
};

struct ImeSettings {
  uint32_t uselast = 0;           // GENERAL, 8-bit, 1: keep inputmode; 0: start in defaultinputmode
  uint32_t debugmode = 0;         // APPSTATUS, 8-bit, 0, kept
  uint32_t usefuzzy = 0;          // FUZZY, 8-bit, 0: apply the fuzzy-sound pairs
  uint32_t defaultinputmode = 0;  // GENERAL, 8-bit, 0
  uint32_t usetheme = 0;          // UI, 8-bit, 0: skins from the current theme
  uint32_t iscomb = 0;            // UI, 8-bit, 1: composition and candidates in one window
  uint32_t candtrend = 0;         // UI, 8-bit, 0: two windows, candidates right (1) or below (0)
  uint32_t showmode = 0;          // UI, 8-bit, 0: 1 vertical candidate list
  FontSpec compfont;              // UI, size 10, "Courier New", weight 700
  FontSpec candfont;              // UI, size 10, "宋体", weight 400
  FontSpec candfonten;            // UI, size 10, "Courier New", weight 400
  uint32_t showstatus = 0;        // UI, 8-bit, 1: status window opaque
  uint32_t customcolor = 0;       // UI, 8-bit, 0: the text colours below replace the theme's
  uint32_t bushoucolor = 0;       // UI, 32-bit, 0, kept
  uint32_t candcolor = 0;         // UI, 32-bit, 0
  uint32_t candhintcolor = 0;     // UI, 32-bit, 0x646464
  uint32_t candselcolor = 0;      // UI, 32-bit, 0xFF0000
  uint32_t compcolor = 0;         // UI, 32-bit, 0xFF0000
  uint32_t comphintcolor = 0;     // UI, 32-bit, 0x646464
  uint32_t encnswitchkey = 0;     // HOTKEY, 16-bit, 16 (Shift): tapped alone, German mode and back
  uint32_t imswitchkey = 0;       // HOTKEY, 16-bit, 65 ("A"): Ctrl+Shift+key, pinyin / German
  uint32_t menuhotkty = 0;        // HOTKEY, 16-bit, 77 ("M"): Ctrl+Shift+key, status menu
  uint32_t softkbdhotkty = 0;     // HOTKEY, 16-bit, 75 ("K"): Ctrl+Shift+key, soft keyboard
  uint32_t sthotkty = 0;          // HOTKEY, 16-bit, 76 ("L"): Ctrl+Shift+key, traditional output
  uint32_t imswitchkeyenable = 0;    // HOTKEY, 16-bit, 1
  uint32_t menuhotktyenable = 0;     // HOTKEY, 16-bit, 1
  uint32_t softkbdhotktyenable = 0;  // HOTKEY, 16-bit, 1
  uint32_t sthotktyenable = 0;       // HOTKEY, 16-bit, 1
  uint32_t pageturnbytab = 0;     // HOTKEY, 16-bit, 1: Tab and Shift+Tab turn pages
  uint32_t pageturnbyplus = 0;    // HOTKEY, 16-bit, 1: "=", "-" and the pad's plus and minus turn pages
  uint32_t cursorfollow = 0;      // GENERAL, 8-bit, 1: composition window at the caret, else at ptcompbar
  uint32_t keyhint = 0;           // GENERAL, 8-bit, 1, kept
  uint32_t wordonly = 0;          // GENERAL, 8-bit, 0, kept
  uint32_t usecustom = 0;         // ADVANCED, 8-bit, 1: load custom phrases
  uint32_t sentence_en = 0;       // GENERAL, 8-bit, 0: German sentence input
  uint32_t en_usespace = 0;       // HOTKEY, 16-bit, 1: Space picks, Enter commits the letters; 0 swaps
  uint32_t en_appendspace = 0;    // HOTKEY, 16-bit, 1: a blank after a committed German candidate
  uint32_t remembrance = 0;       // GENERAL, 8-bit, 1, kept
  uint32_t usefrequency = 0;      // GENERAL, 8-bit, 1: learned entries join the Chinese search
  uint32_t smartsentence = 0;     // GENERAL, 8-bit, 1: sentences by the language model; 0 greedily
  uint32_t associate = 0;         // GENERAL, 8-bit, 1, kept
  uint16_t characterset = 0;      // GENERAL, 8-bit, 2: character-set class mask of the search
  uint16_t numofpage = 0;         // UI, 16-bit, 5: candidates per page
  uint16_t bsnumofpage = 0;       // UI, 16-bit, 5, kept
  uint32_t inputmode = 0;         // APPSTATUS, 8-bit, 0: 0 pinyin, 1 German
  uint32_t previnputmode = 0;     // APPSTATUS, 8-bit, 0: the mode encnswitchkey returns to
  std::array<int32_t, 2> ptstatusbar{};  // APPSTATUS, x,y, -1,-1 (none saved)
  std::array<int32_t, 2> ptcompbar{};    // APPSTATUS, x,y, -1,-1 (none saved)
  uint32_t big5mode = 0;          // POPUPMENU, 8-bit, 0: commit traditional characters
  uint32_t numpadfunckind = 0;    // POPUPMENU, 8-bit, 1, kept
  uint16_t softkbdid = 0;         // POPUPMENU, 16-bit, 13: the soft keyboard shown
  uint32_t Detail_ShowDelay = 0;  // Nerovask, 16-bit, 1000: ms before the detail viewer follows
  uint32_t Detail_Show = 0;       // Nerovask, 16-bit, 1: the detail viewer is used
  std::u16string dicthost;        // SITES, kDefaultSiteHost: host[:port] of the dictionary site
  std::u16string producthost;     // SITES, kDefaultSiteHost: host[:port] of the help page's site
};

// The dictionary site that ships with the module and answers on the loopback address; both hosts
// default to it, so word details and help work without a network.
inline constexpr char16_t kDefaultSiteHost[] = u"127.0.0.1:8794";

// A host read from config.ini is used only when it is a plain host name or address with an
// optional port (letters, digits, '.', '-', ':'; 1 to 253 units); anything else (a path, a
// scheme, a blank) gives kDefaultSiteHost, so a URL built on it always names just that host.
std::u16string SiteHostOrDefault(const std::u16string& value);

}  // namespace kellavor::settings
