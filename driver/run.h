#pragma once

namespace brennholtzgate {

// The whole run: locations, project file, the generated files, the closing
// line. Returns the exit status: 0 when everything was written, 1 after one of
// the driver's two errors. Errors of the program's exception family escape to
// the entry point.
int runBrennholtzgate(int argc, char* argv[]);

}  // namespace brennholtzgate
