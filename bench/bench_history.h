#pragma once

// The vehicles' history: one vehicle's events found among 1,000,000 records, and a card's
// save that changes three watched fields, its history appended and flushed.
int benchHistory();
