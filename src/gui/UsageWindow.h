#pragma once

// Where --help has nowhere to print to (a Windows program started from the desktop, with no
// console), the toolkit would show the usage in a message box of proportional type that
// wraps its columns. Shows it instead in a small window of fixed-pitch type, its columns
// kept, and ends the process with status 0 when that is closed. Returns at once in any other
// case. Call it after the program has joined its parent's console, where it does.
void answerHelpInWindow(int &argc, char *argv[]);
