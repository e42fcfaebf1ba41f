// The subcommands of zoltc. Each takes the arguments after its name and returns the exit status.
#pragma once

#include "cli.h"

namespace zoltc {

int compileCommand(ArgumentList& args);
int runCommand(ArgumentList& args);
#ifdef HAVE_ZOLT_SYNTAX
int translateCommand(ArgumentList& args);
#endif
#ifdef HAVE_ZOLT_LOCK
int lockCommand(ArgumentList& args);
#endif
#ifdef HAVE_QUINTO_CORE
int quintoCommand(ArgumentList& args);
#endif
#ifdef HAVE_MINDLOOM_LIBRARY
int libraryCommand(ArgumentList& args);
#endif

}  // namespace zoltc
