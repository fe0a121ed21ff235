#pragma once

// The deadline dashboard on 100,000 generated records with four due dates each: the scan
// beside the block-read floor, the launcher shown after the login beside the same launcher
// on an empty archive plus one floor, and the register filled with every date (400,000 rows)
// with its peak memory. 0 when measured, 1 when the archive cannot be written.
int benchDashboard();
