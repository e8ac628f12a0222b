#include "platform/startuplog.h"

namespace quillsite {

Q_LOGGING_CATEGORY(lcStartup, "quillsite.startup", QtWarningMsg)

} // namespace quillsite
