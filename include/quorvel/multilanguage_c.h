/* quorvel-ml, the C interface: every operation of multilanguage.h as a plain C function with an
   unmangled name, for hosts in C, hosts built with another compiler (MSVC, MFC applications) and
   other languages (Python ctypes, C# P/Invoke). Compiles as C99 and as C++; every name it
   defines begins with qml_ or QML_.

   Link: -lquorvelml (pkg-config quorvelml, or the CMake target quorvel::quorvelml); on Windows
   the import library of quorvelml.dll.

   Texts. The plain functions take and give texts in the language's code page, as the C++
   interface does. The functions whose names end in _utf8 take and give UTF-8 (see "UTF-8" below).

   Window handles. qml_hwnd is a window handle of the platform passed as void*: on Windows an
   HWND (a host passes its HWND as it is), on POSIX a handle of the library's in-process window
   system (qml_CreateWindow below). A null or destroyed handle makes a window function do nothing.

   Buffers, two contracts:
   - "caller buffer" (the functions whose C++ twins fill a buffer: qml_GetMultiLanguageText and
     the other functions returning char*): as in C++. The library writes at most size - 1 bytes
     and a NUL, cuts overlong texts silently and returns the buffer. Pass a size of at least 1.
   - "sized result" (functions returning size_t: the results that C++ returns as a CString, and
     every _utf8 function): like snprintf. When buffer is not null and size is greater than 0,
     the library writes the result, cut to at most size - 1 bytes at a character boundary (a
     double-byte pair, a UTF-8 sequence is never split), and a terminating NUL. The return value
     is the length in bytes of the whole result without its NUL, whatever was written: a
     result >= size means the text was cut, and a buffer of result + 1 bytes takes it whole.
     buffer NULL with size 0 only asks for the length.

   UTF-8. A _utf8 function converts its input from UTF-8 to the language's code page, does what
   its plain twin does, and converts the result back to UTF-8. The language's code page
   (qml_GetLanguageCodePage): 950 for language type 0, 936 for type 1, otherwise the number that
   the bound language file declares as CodePage in its [Lngpara] section, and 1252 when it
   declares none or one that the system cannot convert. Input that is not valid UTF-8 is never
   refused: each invalid sequence is read as U+FFFD. A character that the code page lacks becomes
   '?' on the way in; bytes of a language file that are no character of its code page come out
   as U+FFFD. Working sizes are those of the plain functions (1023 bytes for a sentence, in the
   code page). */
#ifndef QUORVEL_MULTILANGUAGE_C_H
#define QUORVEL_MULTILANGUAGE_C_H

#include <stdarg.h>
#include <stddef.h>
#include <stdint.h>

#include "quorvel/export.h"

/* printf-style functions are checked by the compiler: QML_PRINTF(format index, first argument
   index, 0 for a va_list). */
#if defined(__MINGW32__) && defined(__MINGW_PRINTF_FORMAT)
#define QML_PRINTF(fi, ai) __attribute__((format(__MINGW_PRINTF_FORMAT, fi, ai)))
#elif defined(__GNUC__) || defined(__clang__)
#define QML_PRINTF(fi, ai) __attribute__((format(printf, fi, ai)))
#else
#define QML_PRINTF(fi, ai)
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef void* qml_hwnd;

/* Language and code-type numbers (the C++ _enum_language_type). As a language: traditional
   Chinese, simplified Chinese, English, any other; further languages of the catalogue take 4, 5,
   ... As the code type of a text or of the system: Big5, GB, English (no double-byte character),
   other or undecided. */
enum {
    QML_LANGUAGE_BIG5 = 0,
    QML_LANGUAGE_GB = 1,
    QML_LANGUAGE_ENGLISH = 2,
    QML_LANGUAGE_OTHER = 3
};

/* The host's logging function: the level word (low byte the severity: 0 VERBOSE, 1 NORMAL,
   2 WARNING, 3 ERROR, 4 DEBUG, 5 INVALID) and the finished line, which is no format. */
typedef void (*qml_log_callback)(unsigned int level, const char* text);

/* The host's owner-window provider for message boxes: given the parent window that the host
   passed to qml_MsgBoxML (possibly null), the window that owns the box (null: none). */
typedef qml_hwnd (*qml_parent_window_callback)(qml_hwnd parent);

/* ---- language set-up and catalogue ----------------------------------------------------- */

/* Chooses the language, stores the directory (null or empty keeps the earlier one), binds the
   language file and keeps the non-null callbacks; the log callback then receives lines in the
   language's code page. Returns the language type chosen. */
QML_API int qml_Set_MultiLanguage_Para(const char* languageDir, int languageType, qml_log_callback logCallback,
                                       qml_parent_window_callback parentWindowCallback);
/* The same with a UTF-8 directory (converted to the file system's code page on Windows, taken as
   bytes on POSIX) and a log callback that receives UTF-8 lines. */
QML_API int qml_Set_MultiLanguage_Para_utf8(const char* languageDirUtf8, int languageType,
                                            qml_log_callback logCallbackUtf8,
                                            qml_parent_window_callback parentWindowCallback);
QML_API int qml_ConvertLangLanguage2LanguageType(unsigned long localeId);
/* found (may be null) is set to 1 when the installer's value was read. */
QML_API int qml_GetNISILanguageType(const char* keyName, int* found);
QML_API int qml_GetCurLanguageType(void);
/* The stored language directory (the library's own text: read, never write). */
QML_API const char* qml_GetCurLngFileDir(void);
/* The code page of the current language, by the rule above. */
QML_API int qml_GetLanguageCodePage(void);
/* Caller buffer. */
QML_API char* qml_GetLanguageTypeEngName(char* buffer, int size);
/* Sized result: every listed language's caption, each followed by one line feed ("English\n"
   when the catalogue lists none). */
QML_API size_t qml_GetAllLanguageTypeDesc(char* buffer, size_t size);
QML_API size_t qml_GetAllLanguageTypeDesc_utf8(char* buffer, size_t size);
/* Caller buffer: the caption of one language and a line feed. */
QML_API char* qml_GetLanguageTypeDescByType(int languageType, char* buffer, int size);
QML_API size_t qml_GetLanguageTypeDescByType_utf8(int languageType, char* buffer, size_t size);
/* Appends the captions to the combo box and selects item selectIndex. */
QML_API void qml_AddLanguageTypeToCombo(qml_hwnd comboBox, int selectIndex);
/* Sized result: the help page's path for the current language. */
QML_API size_t qml_GetHelpHtmlPath(const char* helpRoot, const char* pageName, char* buffer, size_t size);

/* ---- translation ----------------------------------------------------------------------- */

/* Caller buffers. */
QML_API char* qml_GetMultiLanguageText(const char* key, char* buffer, int size, const char* section);
QML_API char* qml_GetMultiLngText_ByAutoPart(char* buffer, int size, const char* format, ...) QML_PRINTF(3, 4);
QML_API char* qml_GetMultiLngText_ByAutoPartV(char* buffer, int size, const char* format, va_list args)
    QML_PRINTF(3, 0);
QML_API char* qml_GetMultiLngTextForUI(const char* caption, char* buffer, int size);
/* The template holds one doubled conversion ("%%s"), filled with the translated argument text. */
QML_API char* qml_GetMLFormatString(char* buffer, int size, const char* templateText, const char* argFormat, ...)
    QML_PRINTF(4, 5);
QML_API char* qml_GetMLFormatStringV(char* buffer, int size, const char* templateText, const char* argFormat,
                                     va_list args) QML_PRINTF(4, 0);
/* The template holds one doubled integer conversion ("%%d", "%%lu"), filled with value. */
QML_API char* qml_GetMLFormatString_Value(char* buffer, int size, const char* templateText, unsigned long value);
QML_API int qml_StrcmpML(const char* first, const char* second, int ignoreCase);
QML_API int qml_GetConstIndexByDescCpt(const char** descriptions, int count, const char* text, int* notFound,
                                       int compareUntranslated);
/* Sized result. */
QML_API size_t qml_GetConstSignificativeDesc(const char* number, const char** descriptions, int count,
                                             char* buffer, size_t size);

/* UTF-8, sized results. */
QML_API size_t qml_GetMultiLanguageText_utf8(const char* key, char* buffer, size_t size, const char* section);
QML_API size_t qml_GetMultiLngText_ByAutoPart_utf8(char* buffer, size_t size, const char* format, ...)
    QML_PRINTF(3, 4);
QML_API size_t qml_GetMultiLngText_ByAutoPartV_utf8(char* buffer, size_t size, const char* format, va_list args)
    QML_PRINTF(3, 0);
QML_API size_t qml_GetMultiLngTextForUI_utf8(const char* caption, char* buffer, size_t size);
QML_API size_t qml_GetMLFormatString_utf8(char* buffer, size_t size, const char* templateText,
                                          const char* argFormat, ...) QML_PRINTF(4, 5);
QML_API size_t qml_GetMLFormatStringV_utf8(char* buffer, size_t size, const char* templateText,
                                           const char* argFormat, va_list args) QML_PRINTF(4, 0);
QML_API size_t qml_GetMLFormatString_Value_utf8(char* buffer, size_t size, const char* templateText,
                                                unsigned long value);

/* ---- windows and message boxes --------------------------------------------------------- */

QML_API void qml_UpdateWndLanguage(qml_hwnd window);
QML_API void qml_ComboBoxTanslate(qml_hwnd comboBox);
/* Blocks until the box is closed; returns the id of the button that closed it. */
QML_API int qml_MsgBoxML(qml_hwnd parent, const char* caption, unsigned int style, const char* format, ...)
    QML_PRINTF(4, 5);
QML_API int qml_MsgBoxMLV(qml_hwnd parent, const char* caption, unsigned int style, const char* format,
                          va_list args) QML_PRINTF(4, 0);
QML_API int qml_CloseMsgBoxML(int buttonId);

/* ---- log relay and diagnostics --------------------------------------------------------- */

QML_API void qml_Log(unsigned int level, const char* format, ...) QML_PRINTF(2, 3);
QML_API void qml_LogV(unsigned int level, const char* format, va_list args) QML_PRINTF(2, 0);
QML_API void qml_LogML(unsigned int level, const char* format, ...) QML_PRINTF(2, 3);
QML_API void qml_LogMLV(unsigned int level, const char* format, va_list args) QML_PRINTF(2, 0);
/* A UTF-8 line, translated like qml_LogML; a log callback given as UTF-8 gets it in UTF-8. */
QML_API void qml_LogML_utf8(unsigned int level, const char* format, ...) QML_PRINTF(2, 3);
QML_API void qml_LogMLV_utf8(unsigned int level, const char* format, va_list args) QML_PRINTF(2, 0);
QML_API int qml_OutNewObjectFailed(const char* objectName);
QML_API int qml_OutInitObjectResult(const char* objectName, int result);
QML_API void qml_OutUninitObjectFinished(const char* objectName);
QML_API int qml_OutCreateKernelObjectFailed(const char* kernelObjectName);
QML_API int qml_OutLastError(const char* format, ...) QML_PRINTF(1, 2);
QML_API int qml_OutLastErrorV(const char* format, va_list args) QML_PRINTF(1, 0);
QML_API int qml_OutNeedEndSystem(const char* reason);

/* ---- Chinese code conversion ----------------------------------------------------------- */

/* The host keeps both values and may change them at any time; the library reads them through
   the pointers (null: no system code type, conversion off). */
QML_API void qml_SetGBAndBig5_Para(int* systemCodeType, int* conversionSwitch);
/* Sized results. direction: 0 automatic, 1 Big5 to GB, 2 GB to Big5. */
QML_API size_t qml_GBAndBig5Convert(const char* text, char direction, char* buffer, size_t size);
QML_API size_t qml_Big2Gb(const char* text, char* buffer, size_t size);
QML_API size_t qml_Gb2Big(const char* text, char* buffer, size_t size);
QML_API size_t qml_LCMapString_Auto(const char* text, char* buffer, size_t size);
QML_API int qml_CalcStringCodeType(const char* text, int* count);
/* A UTF-8 text in the other Chinese script, character for character, through the code-page-936
   mapping tables: script QML_LANGUAGE_BIG5 gives traditional characters, QML_LANGUAGE_GB
   simplified ones, any other value the text unchanged. Characters outside code page 936 and
   characters without another form stay as they are; line breaks and white space are kept. It
   needs neither the conversion switch nor a system code type. Sized result. */
QML_API size_t qml_ConvertChineseScript_utf8(const char* text, int script, char* buffer, size_t size);

#if !defined(_WIN32)
/* ---- the POSIX host's window system ---------------------------------------------------- */

/* A window of the class with the text under parent (null: a top-level window); class
   "ComboBox" makes a combo box. Null on failure. */
QML_API qml_hwnd qml_CreateWindow(const char* className, const char* text, qml_hwnd parent);
/* Destroys the window and its descendants; 1 on success. */
QML_API int qml_DestroyWindow(qml_hwnd window);
/* The window calls with their Win32 meaning and results. */
QML_API int qml_GetWindowText(qml_hwnd window, char* buffer, int maxCount);
QML_API int qml_SetWindowText(qml_hwnd window, const char* text);
QML_API intptr_t qml_SendMessage(qml_hwnd window, unsigned int message, uintptr_t wParam, intptr_t lParam);
/* Shows a message box to the host: returns a button id to close the box at once, or 0 to leave
   it open until a message closes it. Runs on the thread of qml_MsgBoxML. */
typedef int (*qml_message_box_presenter)(qml_hwnd box, qml_hwnd owner, const char* caption, const char* text,
                                         unsigned int style, void* context);
/* Null: the default presenter (standard error, default button). */
QML_API void qml_SetMessageBoxPresenter(qml_message_box_presenter presenter, void* context);
/* The application name that message-box captions show; null: the executable's name. */
QML_API void qml_SetApplicationName(const char* name);
#endif

#ifdef __cplusplus
}
#endif

#endif
