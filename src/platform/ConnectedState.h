#pragma once

// True when the machine has a network connection: some interface is up and
// running, is not the loopback interface and holds an address.
bool IsInternetConnected();
