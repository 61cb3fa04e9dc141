// The ready-made diagnostics: fixed English sentences for events every host reports, sent
// translated with fixed level words.
#include <array>
#include <string>

#include "language/language_state.h"
#include "log/log_relay.h"
#include "platform/crt.h"
#include "platform/os.h"
#include "quorvel/multilanguage.h"
#include "translate/formatting.h"
#include "translate/phrase_translator.h"
#include "util/shared_utility.h"

namespace {

// A null name prints as the C library of the hosts prints a null "%s".
const char* NameOrNull(const char* name) {
    return name ? name : "(null)";
}

}  // namespace

int OutNewObjectFailed(const char* objectName) {
    qml::SendTranslatedFormattedLine(qml::kLevelNewObjectFailed,
                                     "Create object failed, memory {not enough}, object name : %s",
                                     NameOrNull(objectName));
    return 0;
}

int OutInitObjectResult(const char* objectName, int result) {
    qml::SendTranslatedFormattedLine(result != 0 ? qml::kLevelNormal : qml::kLevelWarning,
                                     "Initialize [ %s ] %s", NameOrNull(objectName),
                                     result != 0 ? "succeed !" : "failed !!!");
    return result;
}

void OutUninitObjectFinished(const char* objectName) {
    qml::SendTranslatedFormattedLine(qml::kLevelNormal, "Uninit [ %s ] finished", NameOrNull(objectName));
}

int OutCreateKernelObjectFailed(const char* kernelObjectName) {
    qml::SendTranslatedFormattedLine(qml::kLevelWarning, "Create [ %s ] failed",
                                     NameOrNull(kernelObjectName));
    return 0;
}

int OutLastErrorV(const char* format, va_list args) {
    using namespace qml;
    // Taken first: reading the language file may change the thread's last error.
    DWORD lastError = os::GetLastError();
    MLLogCallback callback = State().logCallback;
    if (!callback) return 0;

    std::array<char, kTextBufferSize> message{};
    if (format) crt::_vsnprintf(message.data(), kTextBufferSize - 3, format, args);
    std::string sentence = TranslateFormatted("Error occurred  :  %s,  reason : ", message.data());
    if (sentence.size() > kWorkingTextLimit) sentence.resize(kWorkingTextLimit);

    CString reason = kvFormatMessage(lastError);
    char twoTexts[] = "%s %s";
    callback(kLevelError, twoTexts, sentence.c_str(), reason.GetString());
    return 0;
}

int OutLastError(const char* format, ...) {
    va_list args;
    va_start(args, format);
    int result = OutLastErrorV(format, args);
    va_end(args);
    return result;
}

int OutNeedEndSystem(const char* reason) {
    CString prefix;
    if (reason && *reason) prefix.Format("Beacause %s, ", reason);
    qml::SendTranslatedFormattedLine(qml::kLevelNeedEndSystem, "%s[%s] would terminate", prefix.GetString(),
                                     "Quorvel(Enterprise)");
    return 0;
}
