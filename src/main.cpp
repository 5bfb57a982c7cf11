// The program: one copy at a time, the splash, the hidden main window and the data module,
// then the event loop until the main window ends the program.
#include "shell/startup.h"

int main(int argc, char** argv)
{
    return runProgram(argc, argv);
}
