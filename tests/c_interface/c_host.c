/* A C99 host of the C interface: sets the sample languages up, translates, localises a window
   and a combo box, shows a message box (POSIX), relays a log line and converts. Exits 0 when
   every check holds; prints each failed check. Usage: c_host <language directory> */
#include <stdio.h>
#include <string.h>

#if defined(_WIN32)
#include <windows.h>
#endif

#include <quorvel/multilanguage_c.h>

#if !defined(_WIN32)
/* The header leaves the host's global names alone: a host may define these itself. */
typedef struct host_bool {
    int value;
} BOOL;
typedef struct host_window {
    int id;
} * HWND;
static int Log(int x) {
    return x;
}
#define FALSE host_false
#define TRUE host_true
#endif

static int failures = 0;

static void check_text(const char* what, const char* got, const char* expected) {
    if (strcmp(got, expected) != 0) {
        printf("FAILED %s: got \"%s\", expected \"%s\"\n", what, got, expected);
        ++failures;
    }
}

static void check_number(const char* what, long got, long expected) {
    if (got != expected) {
        printf("FAILED %s: got %ld, expected %ld\n", what, got, expected);
        ++failures;
    }
}

/* ---- windows of the platform ---------------------------------------------------------- */
#if defined(_WIN32)
#define COMBO_ADD CB_ADDSTRING
#define COMBO_TEXT CB_GETLBTEXT
static qml_hwnd make_window(const char* className, const char* text, qml_hwnd parent) {
    DWORD style = parent ? WS_CHILD : WS_OVERLAPPEDWINDOW;
    if (strcmp(className, "ComboBox") == 0) style |= CBS_DROPDOWNLIST;
    return CreateWindowA(className, text, style, 0, 0, 200, 100, (HWND)parent, NULL, GetModuleHandleA(NULL),
                         NULL);
}
static void window_text(qml_hwnd window, char* buffer, int size) {
    GetWindowTextA((HWND)window, buffer, size);
}
static intptr_t send_message(qml_hwnd window, unsigned message, uintptr_t wParam, intptr_t lParam) {
    return SendMessageA((HWND)window, message, wParam, lParam);
}
static void destroy(qml_hwnd window) {
    DestroyWindow((HWND)window);
}
/* Wine's LCMapStringA does not map Chinese characters between their two forms. */
static int system_maps_chinese(void) {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return !(ntdll && GetProcAddress(ntdll, "wine_get_version"));
}
#else
#define COMBO_ADD 0x0143
#define COMBO_TEXT 0x0148
static qml_hwnd make_window(const char* className, const char* text, qml_hwnd parent) {
    return qml_CreateWindow(className, text, parent);
}
static void window_text(qml_hwnd window, char* buffer, int size) {
    qml_GetWindowText(window, buffer, size);
}
static intptr_t send_message(qml_hwnd window, unsigned message, uintptr_t wParam, intptr_t lParam) {
    return qml_SendMessage(window, message, wParam, lParam);
}
static void destroy(qml_hwnd window) {
    qml_DestroyWindow(window);
}
static int system_maps_chinese(void) {
    return 1;
}
#endif

/* ---- host callbacks ------------------------------------------------------------------- */
static char last_line[256];
static unsigned last_level;
static void log_line(unsigned int level, const char* text) {
    last_level = level;
    snprintf(last_line, sizeof last_line, "%s", text);
}

static qml_hwnd owner_window;
static qml_hwnd parent_asked;
static qml_hwnd parent_window(qml_hwnd parent) {
    parent_asked = parent;
    return owner_window;
}

#if !defined(_WIN32)
static char box_caption[256];
static int present_box(qml_hwnd box, qml_hwnd owner, const char* caption, const char* text, unsigned style,
                       void* context) {
    (void)box;
    (void)style;
    snprintf(box_caption, sizeof box_caption, "%s|%s", caption, text);
    check_number("box owner from the parent-window callback", owner == owner_window, 1);
    return *(int*)context;
}
#endif

int main(int argc, char** argv) {
    char text[256];
    qml_hwnd dialog, button, edit, combo;
    int systemCodeType = QML_LANGUAGE_GB, conversionOn = 1;
    size_t length;

    if (argc != 2) {
        fprintf(stderr, "usage: c_host <language directory>\n");
        return 2;
    }
    /* French: language type 3 of the sample catalogue. */
    check_number("set-up", qml_Set_MultiLanguage_Para(argv[1], 3, log_line, parent_window), 3);
    check_number("code page", qml_GetLanguageCodePage(), 1252);

    check_text("key", qml_GetMultiLanguageText("Open", text, sizeof text, "ProgramOutStr"), "Ouvrir");
    check_text("phrase", qml_GetMultiLngText_ByAutoPart(text, sizeof text, "%s %d", "Exit", 5), "Quitter 5");
    check_text("caption", qml_GetMultiLngTextForUI("&File...", text, sizeof text), "&Fichier...");
    qml_GetMultiLngText_ByAutoPart_utf8(text, sizeof text, "%s", "Edit");
    check_text("UTF-8 phrase", text,
               "\xC3\x89"
               "dition");

    /* A dialog with a button and an edit field, and a combo box. */
    dialog = make_window("Static", "&File", NULL);
    button = make_window("Button", "Exit", dialog);
    edit = make_window("Edit", "Open", dialog);
    qml_UpdateWndLanguage(dialog);
    window_text(dialog, text, sizeof text);
    check_text("window caption", text, "&Fichier");
    window_text(button, text, sizeof text);
    check_text("child caption", text, "Quitter");
    window_text(edit, text, sizeof text);
    check_text("edit field kept", text, "Open");
    combo = make_window("ComboBox", "", NULL);
    send_message(combo, COMBO_ADD, 0, (intptr_t) "Open");
    send_message(combo, COMBO_ADD, 0, (intptr_t) "Exit");
    qml_ComboBoxTanslate(combo);
    send_message(combo, COMBO_TEXT, 1, (intptr_t)text);
    check_text("combo item", text, "Quitter");

#if !defined(_WIN32)
    {
        int answer = 1;
        owner_window = dialog;
        qml_SetApplicationName("Console");
        qml_SetMessageBoxPresenter(present_box, &answer);
        check_number("message box result", qml_MsgBoxML(button, "Exit", 0, "%s", "Open"), 1);
        check_text("message box", box_caption, "[Console] - Quitter|Ouvrir");
        check_number("parent passed as a handle", parent_asked == button, 1);
        qml_SetMessageBoxPresenter(NULL, NULL);
    }
#endif
    destroy(combo);
    destroy(dialog);

    qml_LogML(2, "%s", "Exit");
    check_text("log line", last_line, "Quitter");
    check_number("log level", (long)last_level, 2);

    /* Sized results: the whole length back, the text cut and terminated. */
    length = qml_GetHelpHtmlPath("", "index.htm", text, 8);
    check_number("help path length", (long)length, (long)strlen("Help_French/index.htm"));
    check_text("help path cut", text, "Help_Fr");

    qml_SetGBAndBig5_Para(&systemCodeType, &conversionOn);
    length = qml_Gb2Big("\xB9\xFA\xC3\xC7", text, sizeof text); /* GB: guo men */
    check_number("conversion length", (long)length, 4);
    check_text("GB to Big5", text, "\xB0\xEA\xAD\xCC");
    check_number("detection", qml_CalcStringCodeType("\xB0\xEA\xAD\xCC", NULL), QML_LANGUAGE_BIG5);
    qml_SetGBAndBig5_Para(NULL, NULL);
    if (system_maps_chinese()) {
        qml_ConvertChineseScript_utf8("\xE5\x9B\xBD", QML_LANGUAGE_BIG5, text, sizeof text);
        check_text("script to traditional", text, "\xE5\x9C\x8B");
    } else {
        printf("c_host: script conversion unchecked, the system does not map Chinese characters\n");
    }

#if !defined(_WIN32)
    check_number("host names", Log(1), 1);
#endif
    if (failures == 0) printf("c_host: all checks passed\n");
    return failures == 0 ? 0 : 1;
}
