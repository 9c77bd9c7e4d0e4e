// The input-method module's side of imm32 that mingw's <imm.h> leaves out: the input context as
// the module sees it, the component-block layouts, the translation list, the module description,
// and the functions on contexts and component blocks that imm32 exports for modules.
#pragma once

#include <windows.h>

#include <imm.h>

#include <cstddef>

// Slot of a UI window's extra bytes in which the manager keeps the window's input context.
#ifndef IMMGWLP_IMC
#define IMMGWLP_IMC 0
#endif

extern "C" {

typedef struct tagINPUTCONTEXT {
  HWND hWnd;
  BOOL fOpen;
  POINT ptStatusWndPos;
  POINT ptSoftKbdPos;
  DWORD fdwConversion;
  DWORD fdwSentence;
  union {
    LOGFONTA A;
    LOGFONTW W;
  } lfFont;
  COMPOSITIONFORM cfCompForm;
  CANDIDATEFORM cfCandForm[4];
  HIMCC hCompStr;
  HIMCC hCandInfo;
  HIMCC hGuideLine;
  HIMCC hPrivate;
  DWORD dwNumMsgBuf;
  HIMCC hMsgBuf;
  DWORD fdwInit;
  DWORD dwReserve[3];
} INPUTCONTEXT, *PINPUTCONTEXT, *LPINPUTCONTEXT;

typedef struct tagCOMPOSITIONSTRING {
  DWORD dwSize;
  DWORD dwCompReadAttrLen;
  DWORD dwCompReadAttrOffset;
  DWORD dwCompReadClauseLen;
  DWORD dwCompReadClauseOffset;
  DWORD dwCompReadStrLen;
  DWORD dwCompReadStrOffset;
  DWORD dwCompAttrLen;
  DWORD dwCompAttrOffset;
  DWORD dwCompClauseLen;
  DWORD dwCompClauseOffset;
  DWORD dwCompStrLen;
  DWORD dwCompStrOffset;
  DWORD dwCursorPos;
  DWORD dwDeltaStart;
  DWORD dwResultReadClauseLen;
  DWORD dwResultReadClauseOffset;
  DWORD dwResultReadStrLen;
  DWORD dwResultReadStrOffset;
  DWORD dwResultClauseLen;
  DWORD dwResultClauseOffset;
  DWORD dwResultStrLen;
  DWORD dwResultStrOffset;
  DWORD dwPrivateSize;
  DWORD dwPrivateOffset;
} COMPOSITIONSTRING, *PCOMPOSITIONSTRING, *LPCOMPOSITIONSTRING;

typedef struct tagCANDIDATEINFO {
  DWORD dwSize;
  DWORD dwCount;
  DWORD dwOffset[32];
  DWORD dwPrivateSize;
  DWORD dwPrivateOffset;
} CANDIDATEINFO, *PCANDIDATEINFO, *LPCANDIDATEINFO;

typedef struct tagTRANSMSG {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
} TRANSMSG, *PTRANSMSG, *LPTRANSMSG;

typedef struct tagTRANSMSGLIST {
  UINT uMsgCount;
  TRANSMSG TransMsg[1];
} TRANSMSGLIST, *PTRANSMSGLIST, *LPTRANSMSGLIST;

typedef struct tagIMEINFO {
  DWORD dwPrivateDataSize;
  DWORD fdwProperty;
  DWORD fdwConversionCaps;
  DWORD fdwSentenceCaps;
  DWORD fdwUICaps;
  DWORD fdwSCSCaps;
  DWORD fdwSelectCaps;
} IMEINFO, *PIMEINFO, *LPIMEINFO;

LPINPUTCONTEXT WINAPI ImmLockIMC(HIMC context);
BOOL WINAPI ImmUnlockIMC(HIMC context);
DWORD WINAPI ImmGetIMCLockCount(HIMC context);

HIMCC WINAPI ImmCreateIMCC(DWORD size);
HIMCC WINAPI ImmDestroyIMCC(HIMCC block);
LPVOID WINAPI ImmLockIMCC(HIMCC block);
BOOL WINAPI ImmUnlockIMCC(HIMCC block);
DWORD WINAPI ImmGetIMCCLockCount(HIMCC block);
HIMCC WINAPI ImmReSizeIMCC(HIMCC block, DWORD size);
DWORD WINAPI ImmGetIMCCSize(HIMCC block);

BOOL WINAPI ImmGenerateMessage(HIMC context);

// Soft keyboards: the manager's keyboard windows, and the tables a module sends them with
// WM_IME_CONTROL / IMC_SETSOFTKBDDATA (uCount tables of 256 characters by virtual key).
#ifndef IMC_SETSOFTKBDDATA
#define IMC_SETSOFTKBDDATA 0x0018
#endif
typedef struct tagSOFTKBDDATA {
  UINT uCount;
  WORD wCode[1][256];
} SOFTKBDDATA, *PSOFTKBDDATA, *LPSOFTKBDDATA;
HWND WINAPI ImmCreateSoftKeyboard(UINT type, HWND owner, int x, int y);
BOOL WINAPI ImmDestroySoftKeyboard(HWND window);
BOOL WINAPI ImmShowSoftKeyboard(HWND window, int show);

}  // extern "C"

static_assert(sizeof(COMPOSITIONSTRING) == 100);
static_assert(sizeof(CANDIDATEINFO) == 144);
static_assert(sizeof(IMEINFO) == 28);
static_assert(sizeof(TRANSMSG) == 3 * sizeof(void*));
static_assert(offsetof(TRANSMSGLIST, TransMsg) == sizeof(void*));
static_assert(offsetof(INPUTCONTEXT, hCompStr) == (sizeof(void*) == 8 ? 288 : 280));
static_assert(sizeof(INPUTCONTEXT) == (sizeof(void*) == 8 ? 352 : 320));
