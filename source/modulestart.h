#pragma once
// Module start (entry action 2): publishes the module's libraries and
// registers its plug-ins with the host, in a fixed order.

// True when every step succeeded; the first failing step ends the start and
// what was registered before it stays registered.
bool StartModule();
