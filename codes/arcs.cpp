#include "codes/handlers.h"

namespace torvel {

void HandleArc(TBlock& b) { HandleUnknownG(b); }

}  // namespace torvel
