#pragma once

// Each subcommand receives the arguments after its own name and returns the exit status.
int runList(int argc, char** argv);
int runDump(int argc, char** argv);
int runAdd(int argc, char** argv);
int runEval(int argc, char** argv);
int runRun(int argc, char** argv);
int runImportTdb(int argc, char** argv);
