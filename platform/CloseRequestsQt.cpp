// Where no native close request can be seen, Qt's own handling is all there is.
#include "CloseRequests.h"

namespace skyvane {

class CloseRequests::Watch {};

CloseRequests::CloseRequests(QWidget&) {}
CloseRequests::~CloseRequests() = default;

} // namespace skyvane
