#include "application.h"
#include "bankform.h"

int main(int argc, char *argv[])
{
    return runProgram<BankForm>(argc, argv);
}
