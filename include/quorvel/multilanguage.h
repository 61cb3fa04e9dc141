// quorvel-ml: run-time translation of a host's English texts from INI-style language files,
// window localisation, log relay and GB2312/GBK <-> Big5 conversion.
//
// Every export of the library, with the names and argument orders that host code is written
// against. Buffers follow one contract throughout: the caller passes a buffer and its size in
// bytes; the library writes at most size - 1 bytes and a terminating NUL, cuts overlong text
// silently and returns the buffer. A size below 1 or a null buffer makes a function write
// nothing. Texts are narrow strings in the system's ANSI code page. The framework and Win32
// types of the signatures are the library's own, in namespace quorvel (see wintypes.h for the
// global names); the printf-like functions carry the compiler's format attribute.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "quorvel/export.h"
#include "quorvel/framework.h"
#include "quorvel/wintypes.h"

// Language and code-type numbers. As a language: 0 Traditional Chinese (Big5), 1 Simplified
// Chinese (GB2312), 2 English, 3 any other. As the code type of a text or of the running
// system: 0 Big5, 1 GB, 2 English (no double-byte character), 3 other or undecided.
enum _enum_language_type : int {
    LANGUAGE_TYPE_BIG5 = 0,
    LANGUAGE_TYPE_GB = 1,
    LANGUAGE_TYPE_ENGLISH = 2,
    LANGUAGE_TYPE_OTHER = 3,
};

// The host's logging function: a level word (low byte the severity: 0 VERBOSE, 1 NORMAL,
// 2 WARNING, 3 ERROR, 4 DEBUG, 5 INVALID), a format made only of "%s" conversions, and the
// finished texts for them.
typedef void (*MLLogCallback)(unsigned int level, char* format, ...);

// The host's owner-window provider for message boxes.
typedef quorvel::HWND (*MLParentWndCallback)(quorvel::CWnd* parent);

// ---- Language set-up --------------------------------------------------------------------

// Chooses the language (the request, adjusted to the user's Chinese locale), stores the
// directory (null or empty keeps the earlier one), binds "<dir><EnglishName>.lng" (created with
// a header when missing, else its [Lngpara] parameters are read) and stores the non-null
// callbacks. Returns the language type chosen.
QML_API int Set_MultiLanguage_Para(const char* languageDir, int languageType, MLLogCallback logCallback,
                                   MLParentWndCallback parentWndCallback);
// 1028 -> 0, 2052 -> 1, 1033 -> 2, anything else -> 3.
QML_API _enum_language_type ConvertLangLanguage2LanguageType(unsigned long localeId);
// The language the installer recorded under HKEY_LOCAL_MACHINE\SOFTWARE\<keyName> (null: the
// application name); 2 when there is none. *found tells whether a value was read.
QML_API int GetNISILanguageType(const char* keyName, int* found);
QML_API int GetCurLanguageType();
// The stored language directory itself (ends with a backslash once set; empty before).
QML_API char* GetCurLngFileDir();
// The English name of the current language from the catalogue, "English" when it has none.
QML_API char* GetLanguageTypeEngName(char* buffer, int size);

// ---- Language catalogue -----------------------------------------------------------------

// Every listed language's caption followed by LF, into buffer (when non-null and size > 0)
// and appended to list (when non-null). Returns buffer when it was filled, else list.
QML_API void* GetAllLanguageTypeDesc(char* buffer, int size, quorvel::CStringArray* list);
QML_API char* GetLanguageTypeDescByType(int languageType, char* buffer, int size);
QML_API void AddLanguageTypeToCombo(quorvel::CComboBox& comboBox, int& selectIndex);
QML_API quorvel::CString GetHelpHtmlPath(const char* helpRoot, const char* pageName);

// ---- Translation ------------------------------------------------------------------------

// Looks one key up in a section of the language file; without a translation the key itself
// (less a trailing "(#n)" disambiguator) comes back.
QML_API char* GetMultiLanguageText(const char* key, char* buffer, int size, const char* section);

// Formats a sentence and translates it word by word and {braced phrase} by phrase.
QML_API char* GetMultiLngText_ByAutoPart(char* buffer, int size, const char* format, ...)
    QML_PRINTF_FORMAT(3, 4);
QML_API char* GetMultiLngText_ByAutoPartV(char* buffer, int size, const char* format, va_list args)
    QML_PRINTF_FORMAT(3, 0);

// Translates a UI caption, keeping its accelerator, ellipsis and tab shortcut text.
QML_API char* GetMultiLngTextForUI(const char* caption, char* buffer, int size);

// Translates a template holding one doubled conversion ("%%s") and fills it with the
// translated argument text, which argFormat makes of the arguments (argFormat is their format,
// not the template).
QML_API char* GetMLFormatString(char* buffer, int size, const char* templateText, const char* argFormat, ...)
    QML_PRINTF_FORMAT(4, 5);
QML_API char* GetMLFormatStringV(char* buffer, int size, const char* templateText, const char* argFormat,
                                 va_list args) QML_PRINTF_FORMAT(4, 0);
// Translates a template holding one doubled integer conversion ("%%d", "%%lu") and fills it.
QML_API char* GetMLFormatString(char* buffer, int size, const char* templateText, unsigned long value);
// Compares the translations of two texts (null is empty).
QML_API int StrcmpML(const char* first, const char* second, int ignoreCase);
// Index of text in a table of English descriptions, compared translated or as written.
QML_API int GetConstIndexByDescCpt(const char** descriptions, int count, const char* text, int* notFound,
                                   int compareUntranslated);
// The translated description at index atoi(number), or the translation of "Error".
QML_API quorvel::CString GetConstSignificativeDesc(const char* number, const char** descriptions, int count);

// ---- Windows ----------------------------------------------------------------------------

// Translates a window's text and those of all its descendants, data controls excepted.
QML_API void UpdateWndLanguage(quorvel::CWnd* window);
// Replaces every item of a combo box by its translation, in place.
QML_API void ComboBoxTanslate(quorvel::CComboBox& comboBox);
// Shows a translated message box captioned "[<application>] - <caption>" and returns the id
// of the button that closed it. At most one such box is open at a time.
QML_API int MsgBoxML(quorvel::CWnd* parent, const char* caption, unsigned int style, const char* format, ...)
    QML_PRINTF_FORMAT(4, 5);
QML_API int MsgBoxMLV(quorvel::CWnd* parent, const char* caption, unsigned int style, const char* format,
                      va_list args) QML_PRINTF_FORMAT(4, 0);
// Closes the box shown last by MsgBoxML, pressing the button id if it survives WM_CLOSE.
QML_API int CloseMsgBoxML(int buttonId);

// ---- Log relay and diagnostics ----------------------------------------------------------

QML_API void Log(unsigned int level, const char* format, ...) QML_PRINTF_FORMAT(2, 3);
QML_API void LogV(unsigned int level, const char* format, va_list args) QML_PRINTF_FORMAT(2, 0);
QML_API void LogML(unsigned int level, const char* format, ...) QML_PRINTF_FORMAT(2, 3);
QML_API void LogMLV(unsigned int level, const char* format, va_list args) QML_PRINTF_FORMAT(2, 0);
QML_API int OutNewObjectFailed(const char* objectName);
QML_API int OutInitObjectResult(const char* objectName, int result);
QML_API void OutUninitObjectFinished(const char* objectName);
QML_API int OutCreateKernelObjectFailed(const char* kernelObjectName);
QML_API int OutLastError(const char* format, ...) QML_PRINTF_FORMAT(1, 2);
QML_API int OutLastErrorV(const char* format, va_list args) QML_PRINTF_FORMAT(1, 0);
QML_API int OutNeedEndSystem(const char* reason);

// ---- Chinese code conversion ------------------------------------------------------------

// Converts a text: trims it, converts it when the conversion is on (direction: 0 automatic,
// 1 Big5 to GB, 2 GB to Big5) and gives it back its trailing line breaks.
QML_API quorvel::CString GBAndBig5Convert(const char* text, char direction);

namespace qml {
class ConverterAccess;  // the library's own way in, for GBAndBig5Convert
}

// The process-wide converter: holds one text, splits it into lines and converts them between
// Big5 (code page 950) and GB (code page 936) through the two embedded code tables.
class QML_API CGBAndBig5 {
  public:
    CGBAndBig5();
    virtual ~CGBAndBig5();
    CGBAndBig5(const CGBAndBig5&) = delete;
    CGBAndBig5& operator=(const CGBAndBig5&) = delete;

    // direction: 1 Big5 to GB, 2 GB to Big5, anything else automatic. Always returns 1.
    int Translate(const char* text, char direction);
    quorvel::CString GetText();
    int GetTextLength();
    long GetLineNumber();

    static CGBAndBig5* GetInstance();
    static void DeleteInstance();

  private:
    // The library's own way in: the entry point hands its trimmed text over without a copy
    // and builds its result from the text directly. A friend class, not the exported
    // function, so that programs using the DLL see no second, unexported declaration of it.
    friend class qml::ConverterAccess;
    // The converter's own operations, exported with the class as they always were; each works
    // on the object's insides.
    long CalLineNumber();
    void BigtoGB();
    void GBtoBig();
    int LoadResource();
    void FreeResource();

    // The text, its lines, the code tables and the scratch space of the conversion.
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// The code type of a text: 0 Big5, 1 GB, 2 English, 3 other; 3 when no system code type is set.
QML_API _enum_language_type CalcStringCodeType(const char* text, int* count);
// On a GB system, the text with traditional characters mapped to simplified ones.
QML_API quorvel::CString LCMapString_Auto(const char* text);
// Stores the two host-owned settings: the system code type and the conversion switch.
QML_API void SetGBAndBig5_Para(_enum_language_type* systemCodeType, int* conversionSwitch);
QML_API quorvel::CString Big2Gb(quorvel::CString text);
QML_API quorvel::CString Gb2Big(quorvel::CString text);

// Sets window texts through the conversion and reads back what the host set.
class QML_API CGBAndBig5WndText {
  public:
    CGBAndBig5WndText();
    virtual ~CGBAndBig5WndText();
    // A copy keeps the texts set through the original.
    CGBAndBig5WndText(const CGBAndBig5WndText& other);
    CGBAndBig5WndText& operator=(const CGBAndBig5WndText& other);

    void SetWindowTextA(quorvel::HWND window, const char* text);
    void GetWindowTextA(quorvel::HWND window, quorvel::CString& text);
    int GetWindowTextA(quorvel::HWND window, char* buffer, int size);

  private:
    // The texts set through this object, by window.
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
