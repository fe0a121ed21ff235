#pragma once

// While a command waits for another program's lock on the archive or a cost file, the
// busy cursor shows and the windows keep painting; the command fails after its wait. A
// wait of work in the background changes nothing here.
void showBusyCursorWhileLocked();
