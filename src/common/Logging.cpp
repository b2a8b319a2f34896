#include "Logging.h"

namespace virelai {

Q_LOGGING_CATEGORY(lcVirelai, "virelai")

} // namespace virelai
