#pragma once

#include <QString>

// The machine's network (MAC) address as "AA-BB-CC-DD-EE-FF": the hardware address
// of the first interface that is up and not loopback. VELMO_MACHINE_ADDRESS, when
// set, is answered instead. Empty when the machine has no such interface.
QString machineAddressText();
