#include "log/diagnostics.h"

#include <array>
#include <string>

#include "language/language_state.h"
#include "log/log_relay.h"
#include "platform/os.h"
#include "translate/formatting.h"
#include "translate/phrase_translator.h"
#include "util/shared_utility.h"

namespace {

// A null name prints as the C library of the hosts prints a null "%s".
const char* NameOrNull(const char* name) {
    return name ? name : "(null)";
}

}  // namespace

namespace qml {

int ReportNewObjectFailed(const char* objectName) {
    SendTranslatedFormattedLine(kLevelNewObjectFailed,
                                "Create object failed, memory {not enough}, object name : %s",
                                NameOrNull(objectName));
    return 0;
}

int ReportInitObjectResult(const char* objectName, int result) {
    SendTranslatedFormattedLine(result != 0 ? kLevelNormal : kLevelWarning, "Initialize [ %s ] %s",
                                NameOrNull(objectName), result != 0 ? "succeed !" : "failed !!!");
    return result;
}

void ReportUninitObjectFinished(const char* objectName) {
    SendTranslatedFormattedLine(kLevelNormal, "Uninit [ %s ] finished", NameOrNull(objectName));
}

int ReportCreateKernelObjectFailed(const char* kernelObjectName) {
    SendTranslatedFormattedLine(kLevelWarning, "Create [ %s ] failed", NameOrNull(kernelObjectName));
    return 0;
}

int ReportLastError(const char* format, va_list args) {
    // Taken first: reading the language file may change the thread's last error.
    DWORD lastError = os::GetLastError();
    MLLogCallback callback = State().logCallback;
    if (!callback) return 0;

    std::array<char, kTextBufferSize> message{};
    if (format) os::_vsnprintf(message.data(), kTextBufferSize - 3, format, args);
    std::string sentence = TranslateFormatted("Error occurred  :  %s,  reason : ", message.data());
    if (sentence.size() > kWorkingTextLimit) sentence.resize(kWorkingTextLimit);

    CString reason = kvFormatMessage(lastError);
    char twoTexts[] = "%s %s";
    callback(kLevelError, twoTexts, sentence.c_str(), reason.GetString());
    return 0;
}

int ReportNeedEndSystem(const char* reason) {
    CString prefix;
    if (reason && *reason) prefix.Format("Beacause %s, ", reason);
    SendTranslatedFormattedLine(kLevelNeedEndSystem, "%s[%s] would terminate", prefix.GetString(),
                                "Quorvel(Enterprise)");
    return 0;
}

}  // namespace qml
