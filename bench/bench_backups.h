#pragma once

// The backup of a 100,000-record archive with 200 photos of 300 KB beside reading the same
// bytes once, the launcher's answer to a click while it runs, and its memory.
int benchBackups();
