"""Python ctypes through the shared library: a UTF-8 sentence translated, the UTF-8 log
callback, and the sized-result contract. Usage: ctypes_test.py <libquorvelml> <language dir>"""
import ctypes
import os
import sys

LOG = ctypes.CFUNCTYPE(None, ctypes.c_uint, ctypes.c_char_p)


def main():
    lib = ctypes.CDLL(sys.argv[1])
    lib.qml_Set_MultiLanguage_Para_utf8.argtypes = [ctypes.c_char_p, ctypes.c_int, LOG, ctypes.c_void_p]
    lib.qml_GetMultiLngText_ByAutoPart_utf8.restype = ctypes.c_size_t
    lib.qml_GetMultiLngText_ByAutoPart_utf8.argtypes = [ctypes.c_char_p, ctypes.c_size_t, ctypes.c_char_p,
                                                        ctypes.c_char_p]
    lib.qml_LogML_utf8.argtypes = [ctypes.c_uint, ctypes.c_char_p, ctypes.c_char_p]

    lines = []
    log = LOG(lambda level, text: lines.append((level, text.decode("utf-8"))))
    directory = os.path.join(os.path.abspath(sys.argv[2]), "")

    def translate(sentence, size=256):
        buffer = ctypes.create_string_buffer(size)
        length = lib.qml_GetMultiLngText_ByAutoPart_utf8(buffer, size, b"%s", sentence.encode("utf-8"))
        return length, buffer.value.decode("utf-8")

    failures = []

    def check(what, got, expected):
        if got != expected:
            failures.append(f"{what}: got {got!r}, expected {expected!r}")

    sentence = "{Incoming call} from $Zoé$ on line 5 failed"
    for language, expected in ((3, "Appel entrant de Zoé sur ligne 5 a échoué"),
                               (0, "來電來自Zo?在線路5失敗"),  # Big5 has no é
                               (1, "来电来自Zoé在线路5失败")):
        lib.qml_Set_MultiLanguage_Para_utf8(directory.encode("utf-8"), language, log, None)
        check(f"language {language}", translate(sentence), (len(expected.encode("utf-8")), expected))
        lib.qml_LogML_utf8(1, b"%s", "Open".encode("utf-8"))
    check("log lines", lines, [(1, "Ouvrir"), (1, "開啟"), (1, "打开")])
    # Five bytes hold one three-byte character and a NUL, never a part of the second.
    check("cut", translate("Open", 5), (6, "打"))

    for failure in failures:
        print("FAILED", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
