#include "application.h"
#include "pairswapform.h"

int main(int argc, char *argv[])
{
    return runProgram<PairSwapForm>(argc, argv);
}
