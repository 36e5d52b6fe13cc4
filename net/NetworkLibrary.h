#pragma once
// ENet, started once per process with memory of its own: the small blocks it takes and gives
// back for every packet, command and acknowledgement come from a pool made at the start, so a
// steady net game makes no heap call.

namespace skyvane::net {

// Starts ENet on the first call; false when it cannot start. Safe from any thread.
bool startNetworkLibrary();

} // namespace skyvane::net
