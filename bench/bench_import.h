#pragma once

// The import of a 100,000-row CSV written as Italian Excel writes it: reading, matching and
// the dry run, the import beside the archive's own bulk append of the same records, and
// the memory of the whole.
int benchImport();
