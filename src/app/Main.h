#pragma once

// The startup routine: creates the main window, shows it and runs the program.
int Main(int argc, char *argv[]);
