#include "platform/os.h"
#include "util/shared_utility.h"

namespace qml {

CString kvFormatMessage(unsigned long errorCode) {
    return CString(qml::os::SystemErrorText(static_cast<DWORD>(errorCode)));
}

}  // namespace qml
