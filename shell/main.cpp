#include "shell/program.h"

int main(int argc, char* argv[])
{
    return lingvaro::runProgram(argc, argv);
}
