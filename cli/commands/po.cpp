// po-export and po-import: a language file to and from a gettext PO file.
#include "command.h"
#include "translator/language_set.h"
#include "translator/output.h"
#include "translator/po_conversion.h"

namespace cli {

namespace {

int RunPoExport(const Arguments& args) {
    if (args.positional.size() != 1) throw UsageError("po-export needs one language FILE");
    const LanguageFile file = DescribeLanguageFile(args.positional[0]);
    const LanguageDocument document = LanguageDocument::Parse(ReadFileBytes(file.path));
    std::string po;
    try {
        po = ExportPo(document, CodePageOf(file, document));
    } catch (const UsageError& error) {  // a code page this system cannot convert
        throw RunError(file.path + ": " + error.what());
    }
    WriteOutput(args.Get("output", "-"), po);
    return 0;
}

int RunPoImport(const Arguments& args) {
    if (args.positional.size() != 1) throw UsageError("po-import needs one PO FILE");
    const int codePage = args.Has("code-page") ? ParseNumber(args.Get("code-page"), "--code-page") : 0;
    if (args.Has("code-page") && codePage <= 0) throw UsageError("--code-page needs a code page number");
    const std::string& path = args.positional[0];
    std::string language;
    try {
        language = ImportPo(ReadFileBytes(path), path, codePage);
    } catch (const UsageError& error) {
        throw RunError(path + ": " + error.what());
    }
    WriteOutput(args.Get("output", "-"), language);
    return 0;
}

}  // namespace

Command PoExportCommand() {
    return {"po-export",
            "write a language file as a gettext PO file",
            "Writes the language FILE as a PO file in UTF-8 for PO editors: every entry a message\n"
            "with its section as msgctxt, the key as msgid and the translation as msgstr (empty\n"
            "for an untranslated ';Key=' line). Comments, blank lines and section lines ride along\n"
            "as '#.' comments, a line written in an unusual way as '#. @entry:', and the header\n"
            "names the code page (X-Quorvel-Code-Page) and the line ends, so that po-import gives\n"
            "back the same file byte for byte. Keep the '#.' comments when editing.\n\n"
            "Options:\n"
            "  --output FILE          write to FILE (default: standard output)\n",
            "po-export [--output FILE.po] FILE.lng",
            {{"output", true}},
            RunPoExport};
}

Command PoImportCommand() {
    return {"po-import",
            "write a language file from a gettext PO file",
            "Turns a PO file written by po-export (and edited in a PO editor) back into a language\n"
            "file in its code page: a message with a translation becomes Key=Translation, one\n"
            "without becomes the untranslated ';Key='. Lines carried in '#.' comments come back\n"
            "where they stood. A translation with a line break is refused. The output file is\n"
            "replaced through a temporary file.\n\n"
            "Options:\n"
            "  --output FILE          write to FILE (default: standard output)\n"
            "  --code-page N          the code page to write, when the PO header names none\n",
            "po-import [--output FILE.lng] [--code-page N] FILE.po",
            {{"output", true}, {"code-page", true}},
            RunPoImport};
}

}  // namespace cli
