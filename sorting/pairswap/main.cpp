#include "application.h"
#include "pairswapwindow.h"

int main(int argc, char *argv[])
{
    return runProgram<PairSwapWindow>(argc, argv, QStringLiteral("pairswap"));
}
