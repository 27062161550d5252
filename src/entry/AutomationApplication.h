#pragma once

// Hosts without Qt have no application object, which the window, timers and network
// requests need. The automation layer makes one on first use; a host that has its
// own keeps it.
void ensureAutomationApplication();
